// The particle model: the two ring examples row by row, the empty model of an
// all-A line, and the bounds on rows and columns.
#include "theory/theory_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace rca {
namespace {

// A line with one non-A cell at column 0.
Line singleEmitter() {
    Line line;
    line.fill(A);
    line[0] = B;
    return line;
}

std::string gridRow(const TheoryState& t, int r, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('0' + t.theoryGrid[r][i]);
    return s;
}

std::string markRow(const TheoryState& t, int r, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('0' + t.theoryMarks[r][i]);
    return s;
}

std::unique_ptr<TheoryState> checkedModel(const Line& line, int n) {
    auto t = std::make_unique<TheoryState>();
    theoryReset(*t, line, n);
    theoryRunCheck(*t, n, n);
    return t;
}

TEST(TheoryModel, RingOfEightRepeatsWithColumnsZeroAndFourExchanged) {
    auto t = checkedModel(singleEmitter(), 8);
    // 1 = left mover, 2 = right mover, 3 = pair, 4 = collision ring.
    const char* rows[] = {"30000000", "02000001", "00200010", "00020100", "00004000", "00003000",
                          "00010200", "00100020", "01000002", "40000000", "30000000", "02000001",
                          "00200010", "00020100", "00004000", "00003000", "00010200", "00100020",
                          "01000002", "40000000", "30000000"};
    for (int r = 0; r <= 20; ++r)
        EXPECT_EQ(gridRow(*t, r, 8), rows[r]) << "row " << r;
    EXPECT_EQ(gridRow(*t, 21, 8), "00000000");
    EXPECT_EQ(t->theoryRow, 20);
    // Movers on an even ring never face each other across a border.
    for (int r = 0; r < 20; ++r)
        EXPECT_EQ(markRow(*t, r, 8), "00000000") << "row " << r;
}

TEST(TheoryModel, RingOfSevenAnnihilatesAcrossABorderAndSplitsAgain) {
    auto t = checkedModel(singleEmitter(), 7);
    const char* rows[] = {"3000000", "0200001", "0020010",
                          // row 3: the facing movers at 3 and 4 became rings
                          "0004400",
                          // row 4: the pairs at 3 and 4 split at once
                          "0001200", "0010020", "0100002", "4000000", "3000000"};
    for (int r = 0; r <= 8; ++r)
        EXPECT_EQ(gridRow(*t, r, 7), rows[r]) << "row " << r;
    EXPECT_EQ(markRow(*t, 3, 7), "0000100");
    EXPECT_EQ(markRow(*t, 4, 7), "0000100");
    EXPECT_EQ(markRow(*t, 5, 7), "0000000");
    // Period eight: row 16 is the pair at 0 again, row 19 the pair's third row.
    EXPECT_EQ(gridRow(*t, 16, 7), "3000000");
    EXPECT_EQ(gridRow(*t, 19, 7), "0004400");
    EXPECT_EQ(gridRow(*t, 20, 7), "0003300");
    // The prediction marks every non-empty cell, rings included.
    EXPECT_EQ(t->theoryNonzero[3][3], 1);
    EXPECT_EQ(t->theoryNonzero[3][2], 0);
    EXPECT_EQ(t->theoryNonzero[7][0], 1);
}

TEST(TheoryModel, ResetSeedsPairsOnEveryNonACellAndClearsOldRows) {
    auto t = std::make_unique<TheoryState>();
    t->theoryGrid[5][2] = theoryRing;
    t->theoryNonzero[5][2] = 1;
    t->theoryGrid[5][6] = theoryRing; // beyond the line: left alone
    Line line;
    line.fill(A);
    line[1] = B;
    line[3] = C;
    theoryReset(*t, line, 5);
    EXPECT_EQ(gridRow(*t, 0, 5), "03030");
    EXPECT_EQ(t->theoryGrid[5][2], 0);
    EXPECT_EQ(t->theoryNonzero[5][2], 0);
    EXPECT_EQ(t->theoryGrid[5][6], theoryRing);
}

TEST(TheoryModel, AllALineGivesAnEmptyModelThatMatchesOnlyEmptyMarks) {
    Line line;
    line.fill(A);
    auto t = checkedModel(line, 6);
    for (int r = 0; r < markRows; ++r)
        for (int i = 0; i < 6; ++i)
            ASSERT_EQ(t->theoryNonzero[r][i], 0);
    auto marks = std::make_unique<MarkGrid>();
    EXPECT_TRUE(theoryMatchesMarks(*t, *marks, 4, 6));
    // A C mark below row K is not compared; one in row K is.
    (*marks)[5][2] = 1;
    EXPECT_TRUE(theoryMatchesMarks(*t, *marks, 4, 6));
    EXPECT_FALSE(theoryMatchesMarks(*t, *marks, 5, 6));
    // Columns beyond the line are not compared.
    (*marks)[5][2] = 0;
    (*marks)[0][6] = 1;
    EXPECT_TRUE(theoryMatchesMarks(*t, *marks, 10, 6));
}

TEST(TheoryModel, ComparisonStopsAtTheLastGridRow) {
    auto t = std::make_unique<TheoryState>();
    auto marks = std::make_unique<MarkGrid>();
    (*marks)[markRows - 1][0] = 1;
    EXPECT_FALSE(theoryMatchesMarks(*t, *marks, 1000000, 3));
    t->theoryNonzero[markRows - 1][0] = 1;
    EXPECT_TRUE(theoryMatchesMarks(*t, *marks, 2147483647, 3));
    // A negative K compares no row at all.
    (*marks)[0][0] = 1;
    EXPECT_TRUE(theoryMatchesMarks(*t, *marks, -1, 3));
}

TEST(TheoryModel, RingSizeStaysInsideTheArrays) {
    EXPECT_EQ(theoryRingSize(7, 11), 7);
    EXPECT_EQ(theoryRingSize(100, 11), 100);
    EXPECT_EQ(theoryRingSize(131, 11), 100);
    EXPECT_EQ(theoryRingSize(0, 11), 11);
    EXPECT_EQ(theoryRingSize(-4, 11), 11);
    EXPECT_EQ(theoryRingSize(-4, 500), 100);
    for (int ring = 1; ring <= maxLineCells; ++ring)
        for (int c = -1; c <= maxLineCells; ++c) {
            int w = wrapColumn(c, ring);
            ASSERT_GE(w, 0);
            ASSERT_LT(w, maxLineCells);
        }
    EXPECT_EQ(wrapColumn(-1, 8), 7);
    EXPECT_EQ(wrapColumn(8, 8), 0);
    EXPECT_EQ(wrapColumn(10, 7), 3);
}

TEST(TheoryModel, RingSmallerThanTheLineWrapsEarly) {
    // squareCols 4 on a line of 6: column 0's left neighbour is column 3.
    Line line;
    line.fill(A);
    line[0] = B;
    auto t = std::make_unique<TheoryState>();
    theoryReset(*t, line, 6);
    theoryRunRow(*t, 0, 6, 4);
    EXPECT_EQ(gridRow(*t, 1, 6), "020100");
}

TEST(TheoryModel, LastRowIsProcessedWithoutWritingPastTheGrid) {
    auto t = std::make_unique<TheoryState>();
    const int last = markRows - 1;
    // Facing movers in the last row: annihilated in place, nothing written below.
    t->theoryGrid[last][1] = theoryRight;
    t->theoryGrid[last][2] = theoryLeft;
    t->theoryGrid[last][5] = theoryPair;
    theoryRunRow(*t, last, 8, 8);
    EXPECT_EQ(gridRow(*t, last, 8), "04400300");
    EXPECT_EQ(markRow(*t, last, 8), "00100000");
    // The grid that follows in memory is untouched.
    for (int i = 0; i < maxLineCells; ++i) {
        ASSERT_EQ(t->theoryMarks[0][i], 0);
        ASSERT_EQ(t->theoryMarks[1][i], 0);
    }
    // Rows outside the grid do nothing.
    auto before = std::make_unique<TheoryState>(*t);
    theoryRunRow(*t, markRows, 8, 8);
    theoryRunRow(*t, -1, 8, 8);
    EXPECT_EQ(t->theoryGrid, before->theoryGrid);
    EXPECT_EQ(t->theoryMarks, before->theoryMarks);
}

} // namespace
} // namespace rca
