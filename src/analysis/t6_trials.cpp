#include "analysis/t6_trials.h"

#include "analysis/t6_state.h"

namespace rca {

std::optional<SquarePoint> trialOffset(int32_t trial) {
    if (trial < 0 || trial > t6LastTrial) return std::nullopt;
    if (trial == 0) return SquarePoint{0, 0};
    int k = trial;
    for (int y = 1;; ++y) {
        if (k <= y + 1) return SquarePoint{k - 1, y};
        k -= y + 1;
    }
}

void setT6Seeds(SetupState& s, SquarePoint first, int32_t rows, int32_t cols, bool cAndB) {
    const auto x = static_cast<int16_t>(first.x), y = static_cast<int16_t>(first.y);
    const auto cx = static_cast<int16_t>(cols / 2), cy = static_cast<int16_t>(rows / 2);
    s.cPositions[0] = x;
    s.cPositionsY[0] = y;
    if (cAndB) {
        s.cPositionCount = 1;
        s.bPositions[0] = cx;
        s.bPositionsY[0] = cy;
        s.bPositionCount = 1;
        return;
    }
    s.cPositions[1] = cx;
    s.cPositionsY[1] = cy;
    s.cPositionCount = 2;
    s.bPositionCount = 0;
}

} // namespace rca
