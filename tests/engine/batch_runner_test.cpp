// The batch runner's draws, worked out by hand from the generator
// state = state * 22695477 + 1, r = (state >> 16) & 0x7FFF. From state 1 the
// draws are 346, 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948.
#include "engine/batch_runner.h"

#include <gtest/gtest.h>

namespace {

TEST(BatchRunner, DefaultRangeDrawsLengthThenBCount) {
    uint32_t state = 1;
    const rca::BatchTrialDraw d = rca::drawBatchTrial(state, 20, 40);
    EXPECT_EQ(d.length, 26);       // 20 + 346 % 20
    EXPECT_EQ(d.bCount, 4);        // 130 gives 0, 10982 * 13 / 32768 = 4.36
    EXPECT_EQ(state, 2867233980u); // exactly three draws
}

TEST(BatchRunner, LengthsStayInsideTheRange) {
    uint32_t state = 99;
    for (int k = 0; k < 2000; ++k) {
        const rca::BatchTrialDraw d = rca::drawBatchTrial(state, 20, 40);
        ASSERT_GE(d.length, 20);
        ASSERT_LE(d.length, 39);
        ASSERT_GE(d.bCount, 2);
        ASSERT_LT(d.bCount, d.length / 2);
    }
}

// A maximum not above the minimum is one length, not a division by zero.
TEST(BatchRunner, EmptyRangeGivesTheMinimum) {
    uint32_t state = 1;
    const rca::BatchTrialDraw d = rca::drawBatchTrial(state, 50, 10);
    EXPECT_EQ(d.length, 50);
    EXPECT_EQ(d.bCount, 8); // 130 * 25 / 32768 = 0.1, 10982 * 25 / 32768 = 8.4
}

// With L / 2 = 2 no k >= 2 exists, so the shortest length is 6 (L / 2 = 3):
// k = trunc(r * 3 / 32768) reaches 2 first at r = 22948, the ninth draw.
TEST(BatchRunner, TooShortMinimumIsRaisedSoTheDrawEnds) {
    for (int lengthMin : {-5, 0, 3, 4, 5}) {
        uint32_t state = 1;
        const rca::BatchTrialDraw d = rca::drawBatchTrial(state, lengthMin, lengthMin);
        EXPECT_EQ(d.length, 6) << lengthMin;
        EXPECT_EQ(d.bCount, 2) << lengthMin;
    }
}

TEST(BatchRunner, LengthsNeverLeaveTheLines) {
    uint32_t state = 7;
    for (int k = 0; k < 200; ++k)
        ASSERT_EQ(rca::drawBatchTrial(state, 500, 900).length, 100);
    state = 1;
    EXPECT_EQ(rca::drawBatchTrial(state, 90, 1000).length, 90 + 346 % 11);
}

} // namespace
