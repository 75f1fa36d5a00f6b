#pragma once
// The period-six trial generator as pure steps: where trial k puts its first
// seed point, and the seed point lists of a set-up.
#include "state/setup_state.h"

#include <cstdint>
#include <optional>

namespace rca {

struct SquarePoint {
    int x = 0, y = 0;
    bool operator==(const SquarePoint&) const = default;
};

// Trial 0 keeps (0, 0); trial k = 1 .. 135 takes the k-th pair of the rows
// y = 1, 2, ... with x = 0 .. y in each row: (0, 1), (1, 1), (0, 2), ...
// Anything else has no offset.
std::optional<SquarePoint> trialOffset(int32_t trial);

// The seed lists: the first point, and the centre (cols / 2, rows / 2) as a
// second C point, or with cAndB as the only B point.
void setT6Seeds(SetupState& s, SquarePoint first, int32_t rows, int32_t cols, bool cAndB);

} // namespace rca
