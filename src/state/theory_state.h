#pragma once
// The particle model of the theory check.
#include "state/cell.h"
#include "state/picture_state.h"

namespace rca {

struct TheoryState {
    std::array<std::array<int16_t, maxLineCells>, markRows> theoryGrid{};
    std::array<std::array<uint8_t, maxLineCells>, markRows> theoryMarks{};
    std::array<std::array<uint8_t, maxLineCells>, markRows> theoryNonzero{};
    std::array<uint8_t, maxLineCells> collisionFlags{};
    int32_t theoryRow = 0;
};

} // namespace rca
