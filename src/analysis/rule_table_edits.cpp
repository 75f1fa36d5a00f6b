#include "analysis/rule_table_edits.h"

#include "engine/random.h"

#include <algorithm>

namespace rca {

void toggleRule(RcaTable& t, int index) {
    t[index] ^= 1;
}

void fillFree(RcaTable& t, uint8_t bit) {
    for (int i = 0; i < rcaPlane; ++i)
        if (!isFixed(t, i)) t[i] = bit;
    t[0] = 0;
}

void clearMask(RcaTable& t) {
    std::fill(t.begin() + rcaPlane, t.end(), 0);
    t[0] = 0;
}

void maskFromCounts(RcaTable& t, const std::array<int32_t, rcaPlane>& counts) {
    for (int i = 0; i < rcaPlane; ++i)
        t[rcaPlane + i] = static_cast<uint8_t>(static_cast<uint32_t>(counts[i]) & 0xFF);
}

void randomRule(RcaTable& t, uint32_t& randomState) {
    for (int i = 0; i < rcaPlane; ++i)
        t[i] = drawRandom(randomState) >= 16385 ? 1 : 0;
    t[0] = 0;
}

} // namespace rca
