#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace rca {

constexpr int rcaPlane = 1125; // 5 x 5 x 5 x 9 entries
constexpr int rcaTableBytes = 2 * rcaPlane;

// The square automaton's rule: plane 0 the rule bits, plane 1 the mask of
// fixed entries; entry (a, b, c, d) at a * 225 + b * 45 + c * 9 + d.
struct RcaState {
    std::array<uint8_t, rcaTableBytes> rcaTable{};
    // The path of the last accepted 'Read RCA' or 'Write RCA' dialog.
    std::string rcaFileName;
};

constexpr int rcaIndex(int a, int b, int c, int d) {
    return a * 225 + b * 45 + c * 9 + d;
}

} // namespace rca
