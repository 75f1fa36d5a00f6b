#pragma once
// Pure parts of the run control: the square-field mirror, timer speeds and
// the batch counters' reset.
#include "state/batch_stats.h"
#include "state/results_state.h"
#include "state/square_state.h"

#include <cstdint>

namespace rca {

// Exchanges B and C (A stays) in the cells of the square field that the
// pairs x < rows, y < cols address at x + y: indices 0 .. rows + cols - 2,
// each once. Extents are bounded to the field's 131.
void swapSquareBC(SquareState& s, int32_t rows, int32_t cols);

// 'Time *2' and 'Time /2'. Doubling saturates instead of overflowing; 0
// stays 0, so a halved-to-0 timer never ticks again.
int32_t doubledInterval(int32_t ms);
int32_t halvedInterval(int32_t ms);

// What clicking 'Timer10' clears: every batch counter and the three tallies.
void clearBatchCounters(BatchStats& stats, ResultsState& results);

} // namespace rca
