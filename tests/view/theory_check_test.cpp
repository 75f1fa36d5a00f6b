// The theory check through its buttons: verdict, stepTime, the row buttons
// and the overlay drawn on the canvas.
#include "app/workbench.h"
#include "forms/canvas.h"
#include "theory/theory_model.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

class TheoryCheck : public ::testing::Test {
  protected:
    Workbench wb;
    Model& m = wb.model();

    // A ring of `n` cells with one B at column 0, reset as a trial set-up would.
    void singleEmitter(int n) {
        m.lineLength = n;
        m.squareCols = n;
        m.lineI.fill(A);
        m.lineI[0] = B;
        wb.run("Button5Click");
    }

    // The clock-view C marks that match the ring of 8 in rows 0..4.
    void ringOfEightMarks() {
        const std::vector<std::vector<int>> rows = {{0}, {1, 7}, {2, 6}, {3, 5}, {4}};
        for (size_t r = 0; r < rows.size(); ++r)
            for (int c : rows[r])
                m.markCI[r][c] = 1;
        m.lastCRowI = 4;
    }

    bool anyPixel(int x1, int y1, int x2, int y2, uint32_t color) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (wb.canvas().pixel(x, y) == color) return true;
        return false;
    }
};

TEST_F(TheoryCheck, MatchingMarksGiveOkAndStepTimeTwenty) {
    singleEmitter(8);
    ringOfEightMarks();
    m.stepTime = 7;
    m.pressCount = 10;
    wb.run("Button98Click");
    EXPECT_EQ(wb.form1().Label57.caption(), "OK!!");
    EXPECT_EQ(m.stepTime, 20);
    EXPECT_EQ(m.theoryRow, 20);
    EXPECT_EQ(m.pressCount, 11);
}

TEST_F(TheoryCheck, OneMissingMarkGivesNot) {
    singleEmitter(8);
    ringOfEightMarks();
    m.markCI[3][5] = 0;
    wb.run("Button98Click");
    EXPECT_EQ(wb.form1().Label57.caption(), "NOT");
    // The same marks with K below the faulty row pass.
    wb.run("Button5Click");
    m.lastCRowI = 2;
    wb.run("Button98Click");
    EXPECT_EQ(wb.form1().Label57.caption(), "OK!!");
}

TEST_F(TheoryCheck, UnusableRingSizesStillGiveAVerdict) {
    // No ring at all: the model wraps on the line itself.
    singleEmitter(8);
    m.squareCols = 0;
    ringOfEightMarks();
    wb.run("Button98Click");
    EXPECT_EQ(wb.form1().Label57.caption(), "OK!!");
    // A ring wider than the arrays: the left mover leaves the line.
    singleEmitter(8);
    m.squareCols = 131;
    wb.run("Button98Click");
    EXPECT_EQ(wb.form1().Label57.caption(), "NOT");
    EXPECT_EQ(m.theoryGrid[1][1], theoryRight);
    EXPECT_EQ(m.theoryGrid[1][7], theoryEmpty);
}

TEST_F(TheoryCheck, RowButtonsWorkOnTheoryRowInTheirOrder) {
    singleEmitter(7);
    for (m.theoryRow = 0; m.theoryRow <= 3; ++m.theoryRow)
        for (const char* op : {"Button96Click", "Button97Click", "Button99Click", "Button95Click",
                               "Button94Click", "Button100Click"})
            wb.run(op);
    // Row 3's facing movers became rings, and row 4 holds the two pairs.
    EXPECT_EQ(m.theoryGrid[3][3], theoryRing);
    EXPECT_EQ(m.theoryGrid[3][4], theoryRing);
    EXPECT_EQ(m.theoryGrid[4][3], theoryPair);
    EXPECT_EQ(m.theoryGrid[4][4], theoryPair);
    // A row index far outside the grid does nothing.
    m.theoryRow = 5000;
    for (const char* op : {"Button96Click", "Button97Click", "Button99Click", "Button95Click",
                           "Button94Click", "Button100Click"})
        wb.run(op);
    EXPECT_EQ(m.theoryGrid[4][3], theoryPair);
}

TEST_F(TheoryCheck, Th2OnlyCountsThePress) {
    singleEmitter(8);
    m.pressCount = 3;
    m.stepTime = 9;
    wb.run("Button105Click");
    EXPECT_EQ(m.pressCount, 4);
    EXPECT_EQ(m.stepTime, 9);
    EXPECT_EQ(wb.form1().Label57.caption(), "X");
}

// With 30 x 30 cells: s = 8, q = -23, and row t's boxes start at y = 45 t - 23.
TEST_F(TheoryCheck, OverlayDrawsModelRowTMinusOneAtPictureRowT) {
    m.lineLength = 3;
    m.theoryGrid[0][0] = theoryPair;
    m.theoryNonzero[0][0] = 1;
    m.theoryGrid[0][1] = theoryRing;
    m.theoryMarks[0][2] = 1;
    m.pictureLeft = 300; // ignored by the overlay
    m.stepTime = 1;
    wb.run("Button92Click");
    // Grey prediction below the two black particles (y 30..43) of cell 0 (x0 = 360).
    EXPECT_EQ(wb.canvas().pixel(375, 49), clGray);
    EXPECT_EQ(wb.canvas().pixel(370, 37), clBlack);
    EXPECT_EQ(wb.canvas().pixel(380, 37), clBlack);
    // Cell 1 (x0 = 390): a hollow black ring from x 395 to 415.
    EXPECT_EQ(wb.canvas().pixel(405, 37), clBtnFace);
    EXPECT_TRUE(anyPixel(394, 34, 397, 40, clBlack));
    // Cell 2's mark sits on the border x = 420: white inside, green rim.
    EXPECT_EQ(wb.canvas().pixel(420, 37), clWhite);
    EXPECT_TRUE(anyPixel(414, 34, 418, 40, clGreen));
    // Nothing for row 0 of the picture, nor at the top of the surface.
    EXPECT_FALSE(anyPixel(360, 0, 450, 20, clBlack));
}

TEST_F(TheoryCheck, OverlayAtStepTimeZeroOrPastTheGridDrawsNothing) {
    m.lineLength = 3;
    for (int r = 0; r < markRows; ++r)
        m.theoryNonzero[r][0] = 1;
    const QImage before = wb.canvas().image();
    for (int t : {0, -5, markRows + 1, 100000}) {
        m.stepTime = t;
        wb.run("Button92Click");
    }
    EXPECT_EQ(wb.canvas().image(), before);
}

TEST_F(TheoryCheck, CheckDrawsItsRowsAndKeepsThePen) {
    singleEmitter(8);
    wb.canvas().pen = Pen{clRed, PenStyle::Solid, 1};
    wb.run("Button98Click");
    // Model row 1 (a right mover at 1) is drawn at t = 2: box (403, 75)-(417, 89).
    EXPECT_TRUE(anyPixel(406, 79, 414, 85, clBlack));
    EXPECT_EQ(wb.canvas().pen.color, clRed);
}

} // namespace
} // namespace rca
