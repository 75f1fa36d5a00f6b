#pragma once
// Every number a batch reports, as one list a test can compare.
#include "engine/headless_batch.h"

#include <vector>

namespace rca {

template <class Int>
inline std::vector<int64_t> numbers(const BatchStatsOf<Int>& s, int32_t f1, int32_t f2,
                                    int32_t f3) {
    return {s.trialCount,
            s.timeoutCount,
            s.zeroDriftCount,
            s.nonZeroDriftCount,
            s.keptCount,
            s.keptTimeSum,
            s.keptEvenCount,
            s.keptEvenTimeSum,
            s.keptOddCount,
            s.keptOddTimeSum,
            s.bothThreeCount,
            s.changedEvenCount,
            s.changedEvenTimeSum,
            s.changedOddCount,
            s.changedOddTimeSum,
            s.drift1Count,
            s.drift1TimeSum,
            s.drift2to4Count,
            s.drift2to4TimeSum,
            s.drift5PlusCount,
            s.drift5PlusTimeSum,
            f1,
            f2,
            f3};
}

inline std::vector<int64_t> numbers(const HeadlessBatchResult& r) {
    return numbers(r.stats, r.failCount1, r.failCount2, r.failCount3);
}

} // namespace rca
