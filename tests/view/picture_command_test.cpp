// Button3Click through the canvas, the VIEW boxes, 'not paint' and the
// picture's number fields.
#include "picture_fixture.h"

#include "app/workbench.h"
#include "engine/trial_check.h"
#include "forms/canvas.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using picturetest::setLine;
using picturetest::useView;

bool anyOf(const rca::Canvas& c, int x1, int x2, int y, uint32_t colour) {
    for (int x = x1; x <= x2; ++x)
        if (c.pixel(x, y) == colour) return true;
    return false;
}

TEST(PictureCommand, OrdinaryViewPaintsSquaresRingsAndDiscs) {
    rca::Workbench wb;
    useView(wb, true);
    setLine(wb, "BCA", "ABC");
    wb.model().stepTime = 2; // row 2: y 60 .. 89
    wb.run("Button3Click");
    const rca::Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(15, 75), rca::clBlue);         // B square, nothing of line II's A
    EXPECT_EQ(c.pixel(45, 75), rca::clRed);          // C square inside line II's ring
    EXPECT_TRUE(anyOf(c, 30, 33, 75, rca::clBlack)); // the ring's left edge
    EXPECT_EQ(c.pixel(75, 75), rca::clBlack);        // line II's disc over line I's A
    EXPECT_EQ(c.pixel(60, 60), rca::clBtnFace);      // A square corner, outside the disc
    EXPECT_EQ(c.pixel(30, 60), rca::clRed);          // C square corner, outside the ring
    EXPECT_EQ(c.pixel(15, 59), rca::clBtnFace);      // row 1 untouched
    EXPECT_EQ(c.pixel(15, 90), rca::clBtnFace);      // row 3 untouched
    EXPECT_EQ(c.pixel(95, 75), rca::clBtnFace);      // no cell 3
}

TEST(PictureCommand, SideSelectorMovesLineIOnlyInTheOrdinaryView) {
    rca::Workbench wb;
    useView(wb, true);
    setLine(wb, "B", "C");
    wb.form1().RadioGroup9.setItemIndex(1);
    wb.run("Button3Click");
    const rca::Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(215, 15), rca::clBlue); // line I 200 px to the right
    EXPECT_EQ(c.pixel(15, 15), rca::clBlack); // line II's disc stays in place
    EXPECT_EQ(c.pixel(1, 1), rca::clBtnFace);
}

TEST(PictureCommand, ClockViewPaintsEllipsesAtClockHeights) {
    rca::Workbench wb;
    useView(wb, false);
    setLine(wb, "C", "A");
    wb.model().cellClockI[0] = 4;  // y0 = 90: disc x 8..22, y 92..118
    wb.model().cellClockII[0] = 2; // y0 = 45: blue ring x 2..28, y 54..66
    wb.run("Button3Click");
    const rca::Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(15, 105), rca::clBlack);
    EXPECT_EQ(c.pixel(5, 105), rca::clBtnFace); // narrowed: nothing near the cell's side
    EXPECT_EQ(c.pixel(15, 60), rca::clBtnFace); // the ring is hollow
    EXPECT_TRUE(anyOf(c, 1, 6, 60, rca::clBlue));
    EXPECT_EQ(wb.model().markCI[2][0], 1);
    EXPECT_EQ(wb.model().markAII[0][0], 1);
    EXPECT_EQ(wb.model().lastCRowI, 2);
}

TEST(PictureCommand, NotPaintDrawsAndMarksNothing) {
    rca::Workbench wb;
    wb.form1().notpaint1.userClick(); // before the view boxes, which redraw
    ASSERT_TRUE(wb.form1().notpaint1.checked());
    useView(wb, false);
    setLine(wb, "CB", "AC");
    rca::Model& m = wb.model();
    m.cellClockI = {6, 6};
    m.cellClockII = {6, 6};
    m.lastCRowI = 9;
    m.lineIDone = 1;
    const QImage before = wb.canvas().image();
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().image(), before);
    EXPECT_EQ(m.lastCRowI, 9);
    EXPECT_EQ(m.lineIDone, 1);
    for (const rca::MarkGrid* g :
         {&m.markAI, &m.markBI, &m.markCI, &m.markAII, &m.markBII, &m.markCII})
        for (const auto& row : *g)
            EXPECT_EQ(std::accumulate(row.begin(), row.end(), 0), 0);
    wb.form1().notpaint1.userClick();
    wb.run("Button3Click");
    EXPECT_EQ(m.lastCRowI, 3);
    EXPECT_EQ(m.markBI[2][1], 1);
    EXPECT_EQ(m.lineIDone, 2);
}

TEST(PictureCommand, DoneMarkerLifecycleThroughBatches) {
    rca::Workbench wb;
    wb.state<rca::TrialCheck>().ended = nullptr;
    useView(wb, true);
    // An all-A line has no C: the step marks it done at stepTime 2, and the
    // picture of that batch raises the marker to 2.
    setLine(wb, "AAA", "CCC");
    rca::Model& m = wb.model();
    m.stepsPerPress = 1;
    m.borderMode = 1;
    wb.run("Button2Click");
    EXPECT_EQ(m.lineIDone, 0);
    wb.run("Button2Click");
    EXPECT_EQ(m.doneTimeI, 2);
    EXPECT_EQ(m.lineIDone, 2);
    // Later rows leave line I out: a C put back into it is not painted.
    m.lineI[0] = rca::C;
    m.lineII[0] = rca::A;
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().pixel(0, 60), rca::clBtnFace);
    m.lineIDone = 0;
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().pixel(0, 60), rca::clRed);
}

TEST(PictureCommand, RowsFrom10000AreNotDrawn) {
    rca::Workbench wb;
    useView(wb, true);
    setLine(wb, "C", "A");
    wb.form1().Edit20.setText("-299970"); // row 9999 at y 0, row 10000 at y 30
    wb.model().stepTime = 9999;
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().pixel(15, 15), rca::clRed);
    wb.model().stepTime = 10000;
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().pixel(15, 45), rca::clBtnFace);
}

TEST(PictureCommand, ViewBoxesClearThenRedrawTheCurrentRow) {
    rca::Workbench wb;
    useView(wb, false);
    setLine(wb, "C", "B"); // line II's ring is hollow at the cell's centre
    // A stand-in 'Clear' that paints white, to see that it ran before the row.
    wb.commands().replace("Button8Click",
                          [&wb] { wb.canvas().fillRect(0, 0, 800, 800, rca::clWhite); });
    for (rca::CheckBox* box : {&wb.form1().CheckBox1, &wb.form1().CheckBox30}) {
        wb.canvas().fillRect(0, 0, 800, 800, rca::clBtnFace);
        box->userClick();
        EXPECT_EQ(wb.canvas().pixel(400, 400), rca::clWhite) << box->name();
        EXPECT_EQ(wb.canvas().pixel(15, 15), rca::clBlack) << box->name(); // line I's C disc
    }
}

TEST(PictureCommand, OrdinaryEnablesTheBoxesOfItsView) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    useView(wb, true);
    for (rca::CheckBox* b :
         {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32})
        EXPECT_FALSE(b->enabled()) << b->name();
    EXPECT_TRUE(f.CheckBox34.enabled());
    EXPECT_TRUE(f.CheckBox35.enabled());
    f.CheckBox33.userClick();
    for (rca::CheckBox* b :
         {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32})
        EXPECT_TRUE(b->enabled()) << b->name();
    EXPECT_FALSE(f.CheckBox34.enabled());
    EXPECT_FALSE(f.CheckBox35.enabled());
}

TEST(PictureCommand, NumberFieldsSetTheGeometry) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    rca::Model& m = wb.model();
    f.Edit22.setText("12abc");
    EXPECT_EQ(m.cellWidth, 12);
    EXPECT_EQ(m.cellHeight, 12);
    f.Edit25.setText("  -7");
    EXPECT_EQ(m.cellWidth, -7);
    EXPECT_EQ(m.cellHeight, -7);
    f.Edit20.setText("+40");
    f.Edit21.setText("x5");
    f.Edit24.setText("123");
    EXPECT_EQ(m.pictureTop, 40);
    EXPECT_EQ(m.pictureLeft, 0);
    EXPECT_EQ(m.sideShift, 123);
}

TEST(PictureCommand, HugeTypedCellSizeDrawsWithoutOverflow) {
    rca::Workbench wb;
    useView(wb, true);
    setLine(wb, "CC", "AA");
    wb.form1().Edit25.setText("2000000000");
    wb.model().stepTime = 3;
    wb.run("Button3Click"); // row 3 starts far below the surface
    EXPECT_EQ(wb.canvas().pixel(500, 500), rca::clBtnFace);
    wb.model().stepTime = 0;
    wb.run("Button3Click"); // cell 0 covers the whole surface
    EXPECT_EQ(wb.canvas().pixel(500, 500), rca::clRed);
    // Clock view: the narrowed ellipses start 5e8 px to the right, and the
    // clocks' offsets are far beyond any surface.
    useView(wb, false);
    wb.model().cellClockI = {2000000000, -2000000000};
    const QImage before = wb.canvas().image();
    wb.run("Button3Click");
    EXPECT_EQ(wb.canvas().image(), before);
}

} // namespace
