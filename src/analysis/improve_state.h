#pragma once
// The IMPROVE and FREEZE searches' own values, one instance per workbench.
#include <array>
#include <cstdint>

namespace rca {

constexpr int improveRecords = 5000;

struct ImproveState {
    int32_t improveEntry = 0; // entry tried last ('NTimpr')
    int32_t improveStart = 0; // 'N0=', kept inside 0..1124
    int32_t improveCount = 0; // 'Nipr= ': the next record's number
    std::array<int32_t, improveRecords> improveValues{};
    std::array<int32_t, improveRecords> improveEntries{};
    int32_t criticalValue = 0; // 'Vcrit' of the trial under way
    bool improveAccepted = false;
    int32_t timeCrit = 100; // 'Time "crit"='
    int32_t timeAll = 600;  // 'Time "all"=': a trial ends here at the latest
    int32_t nACrit = 0, nBCrit = 0, nCCrit = 0;
    // The driver: a trial is under way, the steps it has run so far, and
    // 'Stop' asked the search to end.
    bool trialRunning = false;
    int32_t trialSteps = 0;
    bool stopRequested = false;
    // The main window's hidden 'sd' selector value.
    int32_t sdValue = 0;

    // FREEZE: 'BEGIN' arms one run; a Timer4 tick or 'do 1 step' starts it.
    bool freezeRunRequest = false;
};

} // namespace rca
