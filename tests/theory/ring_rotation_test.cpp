// Classes of turned lines: one least member each, and their sizes add up to
// every line of the length.
#include "theory/ring_rotation.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

TEST(RingRotation, LeastTurnsAreTheNecklacesAndTheirClassesCoverEveryLine) {
    // Binary necklaces of length 1..12.
    const int necklaces[] = {2, 3, 4, 6, 8, 14, 20, 36, 60, 108, 188, 352};
    for (int length = 1; length <= 12; ++length) {
        int least = 0;
        uint64_t lines = 0;
        for (uint64_t x = 0; x < (uint64_t{1} << length); ++x) {
            if (!isLeastTurn(x, length)) continue;
            ++least;
            lines += static_cast<uint64_t>(ringPeriod(x, length));
        }
        EXPECT_EQ(least, necklaces[length - 1]) << length;
        EXPECT_EQ(lines, uint64_t{1} << length) << length;
    }
}

TEST(RingRotation, ATurnMovesEachCellOnAroundTheRing) {
    EXPECT_EQ(turnRing(0b0011, 1, 4), 0b0110u);
    EXPECT_EQ(turnRing(0b1001, 1, 4), 0b0011u); // cell 3 wraps to cell 0
    EXPECT_EQ(turnRing(0b1001, 3, 4), 0b1100u);
    const uint64_t top = uint64_t{1} << 63;
    EXPECT_EQ(turnRing(top | 1, 1, 64), 0b11u);
    EXPECT_EQ(ringPeriod(0b010101, 6), 2);
    EXPECT_EQ(ringPeriod(0b001001, 6), 3);
    EXPECT_EQ(ringPeriod(~uint64_t{0}, 64), 1);
}

} // namespace
} // namespace rca
