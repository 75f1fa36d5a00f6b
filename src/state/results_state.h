#pragma once
#include <cstdint>

namespace rca {

// Outcome flags of the last evaluated trial and the three tallies.
struct ResultsState {
    uint8_t endsDisjoint = 0, endFlipsStart = 0, bothDoneAt3 = 0;
    uint8_t matchAIIvsCI = 0, matchCIIvsAI = 0, matchCIvsBI = 0, matchCIIvsBII = 0;
    int32_t failCount1 = 0, failCount2 = 0, failCount3 = 0;
};

} // namespace rca
