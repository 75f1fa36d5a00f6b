#pragma once
#include <array>
#include <cstdint>

namespace rca {

constexpr int maskEntries = 2 * 131 - 1; // indices i + j of a 131 x 131 square

// The freeze mask of the FREEZE search, addressed like the square field at
// i + j, and the buffer that carries its file image (row-major, rows x cols).
struct MaskState {
    std::array<uint8_t, maskEntries> freezeMask{};
    std::array<uint8_t, 131 * 131> maskTransferBuffer{};
};

} // namespace rca
