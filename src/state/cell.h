#pragma once
#include <array>
#include <cstdint>

namespace rca {

using CellState = uint8_t;
constexpr CellState C = 0;
constexpr CellState B = 1;
constexpr CellState A = 2;

constexpr int maxLineCells = 100;
using Line = std::array<CellState, maxLineCells>;
using CellInts = std::array<int32_t, maxLineCells>;

// Every loop over a line runs to this bound, so a length outside 0..100 never
// reaches outside the arrays.
inline int boundedLength(int32_t length) {
    return length < 0 ? 0 : (length > maxLineCells ? maxLineCells : length);
}

// B and C exchanged, A (and anything else) kept: the rule's time mirror.
inline CellState swappedBC(CellState s) {
    return s == B ? C : s == C ? B : s;
}

inline char cellLetter(CellState s) {
    return s == C ? 'C' : s == B ? 'B' : s == A ? 'A' : '?';
}

} // namespace rca
