#pragma once
// The period-six studies' values: the trial generator's tallies and trial
// number, the graph window's interval and threshold, and the recorded series
// it plots. One instance per workbench.
#include <array>
#include <cstdint>

namespace rca {

constexpr int t6TallyCount = 250;
constexpr int t6LastTrial = 135; // the trial that sets up the square and starts no run
constexpr int viewCurveCount = 5;
constexpr int viewCurveLength = 100000;
constexpr int phaseCount = 3;
constexpr int phaseLength = 20000;

using ViewCurve = std::array<int32_t, viewCurveLength>;
using PhaseSeries = std::array<int32_t, phaseLength>;

struct T6State {
    std::array<int32_t, t6TallyCount> t6Tallies{};
    int32_t t6Trial = 0;

    int32_t graphThreshold = 10000;
    int32_t graphBegin = 0;
    int32_t graphEnd = 0;
    // 'Edit8', 'Edit9', 'Edit10' of the graph window: stored, read by nothing here.
    int32_t graphValue8 = 0, graphValue9 = 800, graphValue10 = 8;

    std::array<ViewCurve, viewCurveCount> viewCurves{};
    // For phase f: phaseFirst[f] and phaseSecond[f].
    std::array<PhaseSeries, phaseCount> phaseFirst{};
    std::array<PhaseSeries, phaseCount> phaseSecond{};

    // The sweep driver: a trial is under way, the steps it has run so far;
    // 'Stop' asked the sweep to end.
    bool trialRunning = false;
    int32_t trialSteps = 0;
    bool stopRequested = false;
};

} // namespace rca
