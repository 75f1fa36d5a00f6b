// Exchanging B and C, stepping k times and exchanging again steps back k times.
#include "engine/random.h"
#include "engine/step.h"

#include <gtest/gtest.h>
#include <vector>

namespace rca {
namespace {

void step(Line& line, int length, bool circle, const NeighbourMask& mask) {
    Line next{};
    stepLineRule(line, next, length, circle, mask);
    std::copy_n(next.begin(), length, line.begin());
}

TEST(Reversibility, HoldsForRandomLinesMasksAndBothBorders) {
    uint32_t rng = 2024;
    for (int trial = 0; trial < 400; ++trial) {
        const int length = 1 + drawRandom(rng) % 100;
        const bool circle = trial % 2 == 0;
        NeighbourMask mask;
        for (int d = 1; d <= maxDistance; ++d) {
            mask.left[d] = drawRandom(rng) % 3 == 0;
            mask.right[d] = drawRandom(rng) % 3 == 0;
        }
        Line line{};
        for (int i = 0; i < length; ++i)
            line[i] = static_cast<CellState>(drawRandom(rng) % 3);

        const int k = 1 + drawRandom(rng) % 12;
        std::vector<Line> history{line};
        for (int s = 0; s < k; ++s) {
            step(line, length, circle, mask);
            history.push_back(line);
        }
        swapBC(line, length);
        for (int s = 1; s <= k; ++s) {
            step(line, length, circle, mask);
            Line back = line;
            swapBC(back, length);
            ASSERT_EQ(back, history[k - s]) << "trial " << trial << " length " << length;
        }
    }
}

} // namespace
} // namespace rca
