// FormShow: the state the program opens with.
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "forms/canvas.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace rca;
using filestest::TempWorkdir;

namespace {

struct StartUp : ::testing::Test {
    TempWorkdir dir;
    Workbench wb;
    Model& m = wb.model();
    TForm1& f = wb.form1();
    void SetUp() override { wb.startUp(); }
};

} // namespace

TEST_F(StartUp, ModelDefaults) {
    EXPECT_EQ(m.lineLength, 11);
    EXPECT_EQ(m.squareRows, 11);
    EXPECT_EQ(m.squareCols, 11);
    EXPECT_EQ(m.borderMode, 1); // Circle
    EXPECT_EQ(m.stepsPerPress, 1);
    EXPECT_EQ(m.bPointCount, 8);
    EXPECT_EQ(m.cPointCount, 0);
    for (int d = 1; d <= maxDistance; ++d) {
        EXPECT_EQ(m.neighbourMask.left[d], d == 1) << d;
        EXPECT_EQ(m.neighbourMask.right[d], d <= 2) << d;
    }
}

TEST_F(StartUp, FirstTrialIsTheSameEveryTime) {
    // Generator from state 1: positions 5, 9, 4, 1, 7, 0, 6, 2 of 11.
    EXPECT_EQ(wb.fields().print("lineI"), "BBBABBBBABA");
    EXPECT_EQ(wb.fields().print("lineII"), "AAABAAAABAB");
    EXPECT_EQ(wb.fields().print("startLineI"), "BBBABBBBABA");
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.pressCount, -17);
    EXPECT_EQ(f.StatusBar1.text(), "0");

    Workbench again;
    again.startUp();
    EXPECT_EQ(again.fields().print("lineI"), "BBBABBBBABA");
    EXPECT_EQ(again.model().randomState, m.randomState);
}

TEST_F(StartUp, Controls) {
    EXPECT_EQ(f.Edit1.text(), "11");
    EXPECT_EQ(f.UpDown2.position(), 11);
    EXPECT_EQ(f.Edit2.text(), "1");
    EXPECT_EQ(f.UpDown1.position(), 1);
    EXPECT_EQ(f.Edit7.text(), "8");
    EXPECT_EQ(f.Edit6.text(), "0");
    EXPECT_EQ(f.RadioGroup12.itemIndex(), 1); // 'Prediction' "No"
    EXPECT_EQ(f.RadioGroup2.itemIndex(), 1);
    EXPECT_EQ(f.RadioGroup3.itemIndex(), 1);
    EXPECT_EQ(f.RadioGroup7.itemIndex(), 1);
    EXPECT_EQ(f.RadioGroup8.itemIndex(), 0);
    EXPECT_EQ(f.RadioGroupMouse.itemIndex(), 0);
    for (CheckBox* b : {&f.CheckBox33, &f.CheckBox34, &f.CheckBox35, &f.CheckBox1, &f.CheckBox2,
                        &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32})
        EXPECT_TRUE(b->checked()) << b->name();
    EXPECT_FALSE(f.CheckBox18.checked());
    EXPECT_FALSE(f.Timer1.isEnabled());
    EXPECT_FALSE(f.Timer101.checked());
    EXPECT_FALSE(f.randomize2.checked());
    EXPECT_TRUE(f.IsStopwhenNC01.checked());
    EXPECT_FALSE(f.Vnacalo1.checked()); // checked at step 5, unchecked by 'Random'
    EXPECT_EQ(f.Label21.caption(), "+");
    EXPECT_EQ(f.Label57.caption(), "X");
    EXPECT_EQ(f.GroupBoxManage.color(), clBtnFace);
}

TEST_F(StartUp, CanvasHoldsOnlyRowZeroAtTheLeft) {
    const Canvas& c = wb.canvas();
    int minX = c.width(), maxX = -1, maxY = -1;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.pixel(x, y) != clBtnFace) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 0);
    EXPECT_LT(maxX, 11 * m.cellWidth);
    EXPECT_LT(maxY, m.cellHeight);
    EXPECT_EQ(c.pixel(m.cellWidth / 2, m.cellHeight / 2), clBlue); // cell 0 is B
}

TEST_F(StartUp, PenUpDownMovesWithoutItsHandler) {
    EXPECT_EQ(f.UpDown4.position(), 5);
    EXPECT_EQ(m.penAfr1, 0);
    EXPECT_EQ(f.Edit4.text(), "5");
    f.UpDown4.userClick(true);
    EXPECT_EQ(m.penAfr1, 6);
    EXPECT_EQ(m.penAfr2, 6);
    EXPECT_EQ(f.Edit4.text(), "6");
    f.Edit3.userType("3x");
    EXPECT_EQ(m.penC1, 3);
    EXPECT_EQ(m.penC2, 3);
}

TEST_F(StartUp, SquareFiveHoldsTheFirstLine) {
    auto bytes = filestest::readBytes("CA/ca5.dat");
    ASSERT_EQ(bytes.size(), 104u);
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(bytes[4], B);
    EXPECT_EQ(bytes[7], A);
    EXPECT_EQ(bytes[14], A);
}

TEST_F(StartUp, HiddenLengthFieldSetsTheLengthAlone) {
    f.Edit5.userType("25");
    EXPECT_EQ(m.lineLength, 25);
    EXPECT_EQ(m.squareRows, 11);
    EXPECT_EQ(f.UpDown2.position(), 11);
    f.Edit5.userType("400");
    EXPECT_EQ(m.lineLength, 100);
}
