#pragma once
// The inner loop of the lane path for lines of any length up to 100 cells:
// each line with its 11-cell margins (up to 122 bits) in a 128-bit lane kept
// as two 64-bit words, word 0 in one register and word 1 in another, so a
// shift of the line costs three word shifts instead of a shuffle.
#include "engine/lane_kernel.h"

namespace rca {

// Lane k of register g is entry g * lanesPerVector + k of each array, as in
// LaneBlock; [0] holds cells 0..63, [1] cells 64..127.
struct alignas(64) LongLaneBlock {
    uint64_t c[2][maxBlockLanes], b[2][maxBlockLanes], a[2][maxBlockLanes];
    uint64_t aAtZero[maxBlockLanes]; // steps after which cell 0 was A
    uint64_t watch[maxBlockLanes];   // all ones: stop once this lane has no C
    // Circle's left margin starts at cell `back` = (L - 11 mod L) mod L and
    // its right margin at bit `far` = L + 11; the shifts that move them across
    // the two words: back, 64 - back, back - 64 and far, far - 64, 64 - far,
    // all modulo 2^64 so that a negative one shifts everything out.
    uint64_t back[3][maxBlockLanes], far[3][maxBlockLanes];
    uint64_t len1[maxBlockLanes], len2[maxBlockLanes], len4[maxBlockLanes];
};

enum class LongLanes {
    UpTo64, // every line at most 64 cells: word 1 of C, B and A stays empty
    UpTo100
};

// As LaneKernel, for the long block.
using LongLaneKernel = int64_t (*)(LongLaneBlock& block, const LaneRule& rule, LongLanes lines,
                                   int vectors, int64_t maxSteps);
int64_t runLongLanesAvx2(LongLaneBlock& block, const LaneRule& rule, LongLanes lines, int vectors,
                         int64_t maxSteps);
int64_t runLongLanesAvx512(LongLaneBlock& block, const LaneRule& rule, LongLanes lines, int vectors,
                           int64_t maxSteps);

} // namespace rca
