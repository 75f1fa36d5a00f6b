// Square-field generators: placements at x + y, bounded writes.
#include "model/model.h"
#include "setup/square_generators.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rca;

namespace {

struct SquareTest : ::testing::Test {
    Model m;
    void SetUp() override { m.squareField.fill(9); }
    std::string strip(int from, int to) const {
        std::string s;
        for (int i = from; i <= to; ++i) {
            uint8_t v = m.squareField[i];
            s += v == 9 ? '.' : cellLetter(v);
        }
        return s;
    }
};

} // namespace

TEST_F(SquareTest, FillCoversTheStripOfTheExtents) {
    fillSquareWithA(m, 3, 2); // x < 3, y < 2: indices 0..3
    EXPECT_EQ(strip(0, 4), "AAAA.");
}

TEST_F(SquareTest, LineCenterAndLine) {
    placeLineCenter(m, 10, 10);
    EXPECT_EQ(strip(4, 11), ".CCCCCB.");
    m.squareField.fill(9);
    placeLine(m, 10);
    EXPECT_EQ(strip(4, 16), ".CCCCCCCCCCB.");
}

TEST_F(SquareTest, CenterPointAndItsList) {
    placeCenterPoint(m, m, 10, 6);
    EXPECT_EQ(strip(7, 10), ".BB.");
    EXPECT_EQ(m.bPositionCount, 1);
    EXPECT_EQ(m.bPositions[0], 3);
    EXPECT_EQ(m.bPositionsY[0], 5);
}

TEST_F(SquareTest, AlternatingCBFromTheEvenStart) {
    placeAlternatingCB(m, 11, 5); // start 2 * (11 / 2) = 10
    EXPECT_EQ(strip(9, 15), ".CBCBC.");
    m.squareField.fill(9);
    placeAlternatingCB(m, 131, 1 << 30); // bounded count, no write outside
    EXPECT_EQ(m.squareField[130 + maxPoints - 1], B);
    EXPECT_EQ(m.squareField[130 + maxPoints], 9);
}

TEST_F(SquareTest, WritesOutsideTheFieldAreSkipped) {
    setSquareCell(m, -1, C);
    setSquareCell(m, squareSide * squareSide, C);
    EXPECT_TRUE(
        std::all_of(m.squareField.begin(), m.squareField.end(), [](uint8_t v) { return v == 9; }));
    setSquareCell(m, 261, C); // the highest index 'N times CB' reaches
    EXPECT_EQ(m.squareField[261], C);
}

TEST_F(SquareTest, RandomPairsFromKnownDraws) {
    // State 1: draws 346 and 130, so x = 346 mod 131 = 84, y = 130: C at 214
    // and, for k = 0, B right after it.
    m.randomState = 1;
    placeRandomCBPairs(m, m.randomState, 1);
    EXPECT_EQ(strip(213, 216), ".CB.");
    // k = 2 and 3 put the B right before: draws 11656, 7117 give C at
    // 128 + 43 = 171, and 17595, 6415 give C at 41 + 127 = 168.
    m.squareField.fill(9);
    m.randomState = 1;
    placeRandomCBPairs(m, m.randomState, 4);
    EXPECT_EQ(strip(166, 172), ".BC.BC.");
}

TEST_F(SquareTest, RandomABCFromKnownDraws) {
    // One cell: first draw 346 is not above 10000, second draw 130 is not
    // above 20000, so C.
    m.randomState = 1;
    randomiseSquareABC(m, m.randomState, 1, 1);
    EXPECT_EQ(strip(0, 1), "C.");
    // Draws 10982 (> 10000): A.
    randomiseSquareABC(m, m.randomState, 1, 1);
    EXPECT_EQ(strip(0, 0), "A");
}

TEST_F(SquareTest, CPointsWithTheirSecondCoordinates) {
    m.bPositionCount = 3;
    m.randomState = 1;
    drawSquareCPoints(m, m.randomState, 10, 7, 2);
    // Draws 346, 130, 10982, 1090: (6, 4) and (2, 5).
    ASSERT_EQ(m.cPositionCount, 2);
    EXPECT_EQ(m.cPositions[0], 6);
    EXPECT_EQ(m.cPositionsY[0], 4);
    EXPECT_EQ(m.cPositions[1], 2);
    EXPECT_EQ(m.cPositionsY[1], 5);
    EXPECT_EQ(m.bPositionCount, 0);
    placeSquarePoints(m, m.cPositions, m.cPositionsY, m.cPositionCount, C);
    EXPECT_EQ(strip(6, 10), ".C..C");

    const uint32_t before = m.randomState;
    drawSquareCPoints(m, m.randomState, 0, 7, 5);
    EXPECT_EQ(m.cPositionCount, 0);
    EXPECT_EQ(m.randomState, before);
}

TEST_F(SquareTest, PointListsWithWildCoordinatesStayInside) {
    m.bPositions[0] = 32767;
    m.bPositionsY[0] = 32767;
    m.bPositions[1] = -5;
    m.bPositionsY[1] = 2;
    placeSquarePoints(m, m.bPositions, m.bPositionsY, 2, B);
    EXPECT_TRUE(
        std::all_of(m.squareField.begin(), m.squareField.end(), [](uint8_t v) { return v == 9; }));
}

TEST(SquareExtent, BoundedToTheField) {
    EXPECT_EQ(boundedSquareExtent(-3), 0);
    EXPECT_EQ(boundedSquareExtent(70), 70);
    EXPECT_EQ(boundedSquareExtent(100000), 131);
}
