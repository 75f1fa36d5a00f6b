// The FREEZE menu: one run per 'BEGIN', the square reset, the grey picture.
#include "analysis/improve_state.h"
#include "app/workbench.h"

#include <gtest/gtest.h>

using namespace rca;

namespace {

struct Freeze : ::testing::Test {
    Workbench wb;
    Model& m = wb.model();
    MainControls& f = wb.form1();
    void SetUp() override { wb.startUp(); }
};

} // namespace

TEST_F(Freeze, BeginAndGoStartExactlyOneRun) {
    m.freezeMask.fill(3);
    m.stepTime = 9;
    wb.run("BEGIN1Click");
    EXPECT_EQ(m.stepsPerPress, 1);
    EXPECT_EQ(m.freezeMask[20], 0); // 11 x 11 reaches 0..20
    EXPECT_EQ(m.freezeMask[21], 3);
    wb.run("Go1Click");
    EXPECT_TRUE(f.Timer4.enabled());
    wb.run("Timer4Timer");
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(f.GroupBoxManage.color(), 0x00FFFFu); // yellow
    wb.run("Button7Click");
    for (int k = 0; k < 3; ++k)
        wb.run("Timer4Timer");
    EXPECT_FALSE(f.Timer1.enabled()); // no second run until 'BEGIN' again
    wb.run("BEGIN1Click");
    wb.run("Timer4Timer");
    EXPECT_TRUE(f.Timer1.enabled());
}

TEST_F(Freeze, DoImmediateResetsTheUnfrozenSquareAndRuns) {
    m.squareField.fill(B);
    m.freezeMask.fill(1);
    m.freezeMask[0] = 0; // pair (0, 0): indices 0 and 1
    m.cPositions[0] = 2;
    m.cPositionsY[0] = 3;
    m.cPositionCount = 1;
    f.Timer4.setEnabled(true);
    wb.run("Finish1Click");
    EXPECT_EQ(m.squareField[0], A);
    EXPECT_EQ(m.squareField[1], A);
    EXPECT_EQ(m.squareField[2], B); // frozen
    EXPECT_EQ(m.squareField[5], C);
    EXPECT_EQ(m.stepsPerPress, 4);
    EXPECT_FALSE(f.Timer4.enabled());
    EXPECT_TRUE(f.Timer1.enabled());
    wb.run("Nofreeze1Click");
    EXPECT_EQ(m.freezeMask[0] + m.freezeMask[20], 0);
}

TEST_F(Freeze, DrawFrozenPaintsGreysScaledByTheLargestValue) {
    Canvas& c = wb.canvas();
    wb.run("Drawfrozen1Click"); // all zero: every square black
    EXPECT_EQ(c.pixel(2, 2), clBlack);
    EXPECT_EQ(c.pixel(54, 54), clBlack);
    EXPECT_EQ(c.pixel(56, 2), clBtnFace); // past the 11 columns
    EXPECT_EQ(c.pixel(669, 669), clBtnFace);

    m.freezeMask[0] = 2;
    m.freezeMask[1] = 1;
    wb.run("Drawfrozen1Click");
    EXPECT_EQ(c.pixel(0, 0), 0xAAAAAAu); // 2 * 255 / 3 = 170
    EXPECT_EQ(c.pixel(5, 0), 0x555555u); // 85
    EXPECT_EQ(c.pixel(0, 5), 0x555555u); // pair (1, 0) shares index 1
    EXPECT_EQ(c.pixel(4, 4), 0xAAAAAAu);
}
