#pragma once
#include <cstdint>

namespace rca {

// Counters of the 'Timer10' batch mode; clicking 'Timer10' clears them all.
// The workbench keeps them in 32 bits (BatchStats); a headless batch reports
// them in 64 (WideBatchStats), so runs of millions of trials do not wrap.
template <class Int> struct BatchStatsOf {
    Int trialCount = 0, timeoutCount = 0;
    Int zeroDriftCount = 0, nonZeroDriftCount = 0;
    Int keptCount = 0, keptTimeSum = 0;
    Int keptEvenCount = 0, keptEvenTimeSum = 0;
    Int keptOddCount = 0, keptOddTimeSum = 0;
    Int bothThreeCount = 0;
    Int changedEvenCount = 0, changedEvenTimeSum = 0;
    Int changedOddCount = 0, changedOddTimeSum = 0;
    Int drift1Count = 0, drift1TimeSum = 0;
    Int drift2to4Count = 0, drift2to4TimeSum = 0;
    Int drift5PlusCount = 0, drift5PlusTimeSum = 0;
};

using BatchStats = BatchStatsOf<int32_t>;
using WideBatchStats = BatchStatsOf<int64_t>;

// Calls f with the same counter of every argument, for each counter.
template <class F, class... S> void forEachBatchCounter(F f, S&... s) {
    f(s.trialCount...);
    f(s.timeoutCount...);
    f(s.zeroDriftCount...);
    f(s.nonZeroDriftCount...);
    f(s.keptCount...);
    f(s.keptTimeSum...);
    f(s.keptEvenCount...);
    f(s.keptEvenTimeSum...);
    f(s.keptOddCount...);
    f(s.keptOddTimeSum...);
    f(s.bothThreeCount...);
    f(s.changedEvenCount...);
    f(s.changedEvenTimeSum...);
    f(s.changedOddCount...);
    f(s.changedOddTimeSum...);
    f(s.drift1Count...);
    f(s.drift1TimeSum...);
    f(s.drift2to4Count...);
    f(s.drift2to4TimeSum...);
    f(s.drift5PlusCount...);
    f(s.drift5PlusTimeSum...);
}

// Adds to `wide` what one trial check added to the 32-bit counters, from
// `before` to `after`. A check adds at most one trial and one 32-bit time to
// each counter, so the wrapped 32-bit difference is exactly what was added.
inline void addCheckTo(WideBatchStats& wide, const BatchStats& before, const BatchStats& after) {
    forEachBatchCounter(
        [](int64_t& w, const int32_t& b, const int32_t& a) {
            w += static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
        },
        wide, before, after);
}

} // namespace rca
