#pragma once
// What the rule view window and the square automaton's random-rule generator
// share: the two weight profiles, the per-entry usage counters and the
// settings of the two charts and the highlighted count interval.
#include "state/rca_state.h"

#include <array>
#include <cstdint>

namespace rca {

constexpr int ruleColumns = 45; // column k = c * 9 + d
constexpr int ruleRows = 25;    // row r = a * 5 + b

struct RuleViewState {
    std::array<double, ruleColumns> columnWeights{};
    std::array<double, ruleRows> rowWeights{};
    // Shown, cleared and copied into the mask; nothing in the program counts into it yet.
    std::array<int32_t, rcaPlane> usageCounts{};
    int32_t countThreshold = 30000;
    int32_t countPercent = 50;
    int32_t chartColumn1 = 4, chartColumn2 = 5;
    int32_t chartRow1 = 6, chartRow2 = 7;
    // The generator's start shape ('Points', 'Crest', '2x2') and start point.
    int32_t beginShape = -1;
    int32_t beginX = 120, beginY = 82;
};

} // namespace rca
