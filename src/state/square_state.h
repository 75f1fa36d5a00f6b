#pragma once
#include <array>
#include <cstdint>

namespace rca {

constexpr int squareSide = 131;

// The older square automaton's field, addressed mostly at index x + y.
struct SquareState {
    std::array<uint8_t, squareSide * squareSide> squareField{};
};

} // namespace rca
