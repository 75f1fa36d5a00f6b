// The pure 'Random' pieces. Expected draws are worked out from the generator
// state = state * 22695477 + 1, draw = (state >> 16) & 0x7FFF: from state 1
// the draws are 346, 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, ...
// which modulo 11 give 5, 9, 4, 1, 7, 0, 6, 2, 2, ...
#include "engine/random_line.h"
#include "model/model.h"

#include <gtest/gtest.h>

#include <string>

using namespace rca;

namespace {

std::string letters(const Line& line, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += cellLetter(line[i]);
    return s;
}

Line lineOf(const std::string& s) {
    Line l{};
    for (size_t i = 0; i < s.size(); ++i)
        l[i] = s[i] == 'A' ? A : s[i] == 'B' ? B : C;
    return l;
}

struct RandomLineTest : ::testing::Test {
    Model m;
    void SetUp() override {
        m.lineLength = 11;
        m.randomState = 1;
        m.bPointCount = 8;
        m.cPointCount = 0;
    }
};

} // namespace

TEST_F(RandomLineTest, FirstLineFromStateOne) {
    drawRandomLine(m, m);
    // B at 5, 9, 4, 1, 7, 0, 6, 2: only 3, 8 and 10 stay A.
    EXPECT_EQ(letters(m.lineI, 11), "BBBABBBBABA");
    EXPECT_EQ(letters(m.lineII, 11), "AAABAAAABAB");
    EXPECT_EQ(letters(m.startLineI, 11), "BBBABBBBABA");
    ASSERT_EQ(m.bPositionCount, 8);
    const int16_t expected[] = {5, 9, 4, 1, 7, 0, 6, 2};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(m.bPositions[k], expected[k]) << k;
    EXPECT_EQ(m.cPositionCount, 0);
}

TEST_F(RandomLineTest, CDrawsComeFirstAndLeaveNoC) {
    m.cPointCount = 3;
    m.bPointCount = 2;
    drawRandomLine(m, m);
    // C draws 5, 9, 4; B draws 1, 7. The C cells are discarded.
    EXPECT_EQ(letters(m.lineI, 11), "ABAAAAABAAA");
    ASSERT_EQ(m.cPositionCount, 3);
    EXPECT_EQ(m.cPositions[0], 5);
    EXPECT_EQ(m.cPositions[2], 4);
    EXPECT_EQ(m.bPositions[0], 1);
    EXPECT_EQ(m.bPositions[1], 7);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(m.nextLineI[i], A);
}

TEST_F(RandomLineTest, NoBCountGivesAllALineAndAllBMirror) {
    m.bPointCount = 0;
    drawRandomLine(m, m);
    EXPECT_EQ(letters(m.lineI, 11), "AAAAAAAAAAA");
    EXPECT_EQ(letters(m.lineII, 11), "BBBBBBBBBBB");
    EXPECT_EQ(m.randomState, 1u);
}

TEST_F(RandomLineTest, CountsAreBoundedAndZeroLengthDrawsNothing) {
    m.bPointCount = 100000;
    m.cPointCount = -4;
    drawRandomLine(m, m);
    EXPECT_EQ(m.bPositionCount, maxPoints);
    EXPECT_EQ(m.cPositionCount, 0);

    m.lineLength = 0;
    m.randomState = 1;
    m.bPointCount = 5;
    drawRandomLine(m, m);
    EXPECT_EQ(m.bPositionCount, 0);
    EXPECT_EQ(m.randomState, 1u);

    // A length beyond the line draws over its 100 cells only.
    m.lineLength = 500;
    m.bPointCount = 300;
    drawRandomLine(m, m);
    for (int k = 0; k < m.bPositionCount; ++k)
        ASSERT_LT(m.bPositions[k], maxLineCells);
}

TEST_F(RandomLineTest, PlacementSkipsPositionsOutsideTheLine) {
    m.lineLength = 8;
    m.lineI = lineOf("CCCCCCCCCCCC");
    m.bPositions[0] = -3;
    m.bPositions[1] = 150;
    m.bPositions[2] = 10; // beyond the length, inside the array: written
    m.bPositions[3] = 2;
    m.bPositionCount = 4;
    m.cPositionCount = 0;
    placePointLists(m, m);
    EXPECT_EQ(letters(m.lineI, 12), "AABAAAAACCBC");
}

TEST_F(RandomLineTest, RunStateResetCoversTheLineOnly) {
    m.lineLength = 3;
    for (CellInts* a : {&m.cellClockI, &m.cellClockII, &m.cellDriftI, &m.cellDriftII})
        a->fill(7);
    m.stepTime = 40;
    m.pressCount = 12;
    m.lineIDone = 2;
    m.lineIIDone = 1;
    m.doneTimeI = m.doneTimeII = 9;
    m.endLineITaken = m.endLineIITaken = true;
    resetTrialRunState(m);
    EXPECT_EQ(m.cellClockI[2], 0);
    EXPECT_EQ(m.cellDriftII[0], 0);
    EXPECT_EQ(m.cellClockII[3], 7);
    EXPECT_EQ(m.cellDriftI[3], 7);
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.pressCount, -17);
    EXPECT_EQ(m.lineIDone + m.lineIIDone, 0);
    EXPECT_EQ(m.doneTimeI + m.doneTimeII, 0);
    EXPECT_FALSE(m.endLineITaken || m.endLineIITaken);
}

TEST_F(RandomLineTest, MarkGridsClearedInTheLineColumns) {
    m.markCI[1023][4] = 1;
    m.markAII[0][5] = 1;
    clearMarkGrids(m, 5);
    EXPECT_EQ(m.markCI[1023][4], 0);
    EXPECT_EQ(m.markAII[0][5], 1);
    clearMarkGrids(m, 1000); // bounded to the 100 columns
    EXPECT_EQ(m.markAII[0][5], 0);
}

TEST_F(RandomLineTest, MirrorLeavesLineIIWhereLineIHoldsC) {
    m.lineLength = 4;
    m.lineI = lineOf("ABCA");
    m.lineII = lineOf("CCAC");
    mirrorIntoLineII(m);
    EXPECT_EQ(letters(m.lineII, 4), "BAAB");
}
