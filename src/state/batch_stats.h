#pragma once
#include <cstdint>

namespace rca {

// Counters of the 'Timer10' batch mode; clicking 'Timer10' clears them all.
struct BatchStats {
    int32_t trialCount = 0, timeoutCount = 0;
    int32_t zeroDriftCount = 0, nonZeroDriftCount = 0;
    int32_t keptCount = 0, keptTimeSum = 0;
    int32_t keptEvenCount = 0, keptEvenTimeSum = 0;
    int32_t keptOddCount = 0, keptOddTimeSum = 0;
    int32_t bothThreeCount = 0;
    int32_t changedEvenCount = 0, changedEvenTimeSum = 0;
    int32_t changedOddCount = 0, changedOddTimeSum = 0;
    int32_t drift1Count = 0, drift1TimeSum = 0;
    int32_t drift2to4Count = 0, drift2to4TimeSum = 0;
    int32_t drift5PlusCount = 0, drift5PlusTimeSum = 0;
};

} // namespace rca
