#include "engine/run_control.h"

#include "state/cell.h"

#include <algorithm>
#include <limits>

namespace rca {

void swapSquareBC(SquareState& s, int32_t rows, int32_t cols) {
    rows = std::clamp(rows, 0, squareSide);
    cols = std::clamp(cols, 0, squareSide);
    if (rows == 0 || cols == 0) return;
    // Iterating the pairs would exchange an index once per pair that sums
    // to it, undoing itself on every even count; each index goes once.
    for (int k = 0; k <= rows + cols - 2; ++k)
        s.squareField[k] = swappedBC(s.squareField[k]);
}

int32_t doubledInterval(int32_t ms) {
    constexpr int32_t most = std::numeric_limits<int32_t>::max();
    if (ms > most / 2) return most;
    return ms * 2;
}

int32_t halvedInterval(int32_t ms) {
    return ms / 2;
}

void clearBatchCounters(BatchStats& stats, ResultsState& results) {
    stats = BatchStats{};
    results.failCount1 = results.failCount2 = results.failCount3 = 0;
}

} // namespace rca
