#pragma once
// The inner loop of the lane path: lines of up to 42 cells, each with its
// 11-cell margins in one 64-bit lane, stepped two registers at a time. Plain
// data only, so the files built for wider instruction sets share nothing
// else with the rest of the program.
#include <cstdint>

namespace rca {

constexpr int laneBlockVectors = 2;
constexpr int maxLanesPerVector = 8;
constexpr int maxBlockLanes = laneBlockVectors * maxLanesPerVector;

// Lane k of register g is entry g * lanesPerVector + k. Bit i of a plane is
// cell i; an empty lane has no cells and stays empty.
struct alignas(64) LaneBlock {
    uint64_t c[maxBlockLanes], b[maxBlockLanes], a[maxBlockLanes];
    uint64_t aAtZero[maxBlockLanes]; // steps after which cell 0 was A
    uint64_t watch[maxBlockLanes];   // all ones: stop once this lane has no C
    // Circle's wrap for a line of L cells: (L - 11 mod L) mod L, L + 11, and
    // L, 2L, 4L for lines shorter than the margin.
    uint64_t back[maxBlockLanes], far[maxBlockLanes];
    uint64_t len1[maxBlockLanes], len2[maxBlockLanes], len4[maxBlockLanes];
};

enum class LaneWrap {
    Frozen,
    Circle,     // every line at least 12 cells
    ShortCircle // some line shorter: its margins hold several turns
};

struct LaneRule {
    int shifts[22] = {}; // right shifts of the line with margins, one per masked box
    int shiftCount = 0;
    LaneWrap wrap = LaneWrap::Circle;
    bool countAtZero = true; // keep aAtZero; callers that only need done times skip it
};

// Steps the lanes of the first `vectors` registers (1 or 2) at most
// `maxSteps` times; stops after the first step that leaves a watched lane
// without C. Returns the steps taken.
using LaneKernel = int64_t (*)(LaneBlock& block, const LaneRule& rule, int vectors,
                               int64_t maxSteps);
int64_t runLanesAvx2(LaneBlock& block, const LaneRule& rule, int vectors, int64_t maxSteps);
int64_t runLanesAvx512(LaneBlock& block, const LaneRule& rule, int vectors, int64_t maxSteps);
int laneCountAvx2();
int laneCountAvx512();

} // namespace rca
