#pragma once
// The edits of the RCA table: plane 0 the rule, plane 1 the mask. One
// reading for every window and search: an entry is fixed when its mask byte
// is not 0 (the bulk editors and IMPROVE spare it), and its rule bit is the
// low bit of its rule byte, so a toggle twice restores any byte. Every bulk
// write of plane 0 leaves entry (0, 0, 0, 0) at 0.
#include "state/rca_state.h"

#include <array>
#include <cstdint>

namespace rca {

using RcaTable = std::array<uint8_t, rcaTableBytes>;

inline bool isFixed(const RcaTable& t, int index) {
    return t[rcaPlane + index] != 0;
}
inline bool ruleBit(const RcaTable& t, int index) {
    return (t[index] & 1) != 0;
}

void toggleRule(RcaTable& t, int index);
// Every entry that is not fixed gets `bit`.
void fillFree(RcaTable& t, uint8_t bit);
void clearMask(RcaTable& t);
// The mask of each entry becomes the low byte of its usage count.
void maskFromCounts(RcaTable& t, const std::array<int32_t, rcaPlane>& counts);
// Each rule entry is 1 when a draw of the generator is at least 16385.
void randomRule(RcaTable& t, uint32_t& randomState);

} // namespace rca
