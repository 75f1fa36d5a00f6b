// Length, steps-per-press and mask handlers, and the batch of steps.
#include "app/workbench.h"
#include "engine/trial_check.h"
#include "forms/canvas.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

TEST(EngineCommands, TypedLengthIsParsedAndBounded) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.Edit1.userType("25");
    EXPECT_EQ(wb.model().lineLength, 25);
    EXPECT_EQ(wb.model().squareRows, 25);
    EXPECT_EQ(f.UpDown2.position(), 25);
    f.Edit1.userType("abc");
    EXPECT_EQ(wb.model().lineLength, 0);
    EXPECT_EQ(wb.model().squareCols, 0);
    f.Edit1.userType("  -7x");
    EXPECT_EQ(wb.model().lineLength, 0);
    f.Edit1.userType("500");
    EXPECT_EQ(wb.model().lineLength, 100);
    EXPECT_EQ(wb.model().squareRows, 131);
}

TEST(EngineCommands, UpDownLengthGoesThroughTheEditField) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.UpDown2.setPosition(129);
    f.UpDown2.userClick(true);
    EXPECT_EQ(f.Edit1.text(), "130");
    EXPECT_EQ(wb.model().lineLength, 100); // bounded to the line arrays
    EXPECT_EQ(wb.model().squareRows, 130);
    f.UpDown2.userClick(true);
    f.UpDown2.userClick(true);
    EXPECT_EQ(f.UpDown2.position(), 131);
}

TEST(EngineCommands, UpDownLengthErasesAndStopsWhileTypingDoesNot) {
    Workbench wb;
    TForm1& f = wb.form1();
    Canvas& c = wb.canvas();
    c.setPixel(100, 100, clRed);
    f.Timer1.setEnabled(true);
    f.Edit1.userType("25");
    EXPECT_EQ(c.pixel(100, 100), clRed);
    EXPECT_TRUE(f.Timer1.isEnabled());
    f.UpDown2.userClick(true);
    EXPECT_EQ(wb.model().lineLength, 26);
    EXPECT_EQ(c.pixel(100, 100), clBtnFace);
    EXPECT_FALSE(f.Timer1.isEnabled());
}

TEST(EngineCommands, StepsPerPressFromTextAndUpDown) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.Edit2.userType("3");
    EXPECT_EQ(wb.model().stepsPerPress, 3);
    EXPECT_EQ(f.UpDown1.position(), 3);
    f.UpDown1.userClick(true);
    EXPECT_EQ(wb.model().stepsPerPress, 4);
    EXPECT_EQ(f.Edit2.text(), "4");
}

TEST(EngineCommands, MaskBoxesDriveTheModel) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.CheckBox7.userClick();  // left 5
    f.CheckBox15.userClick(); // right 2 off
    EXPECT_TRUE(wb.model().neighbourMask.left[5]);
    EXPECT_FALSE(wb.model().neighbourMask.right[2]);
    f.CheckBox24.setChecked(true); // hidden right 11, from code
    EXPECT_TRUE(wb.model().neighbourMask.right[11]);
}

TEST(EngineCommands, BorderFollowsKindAndBorderGroups) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.RadioGroup3.setItemIndex(0);
    EXPECT_EQ(wb.model().borderMode, 0);
    f.RadioGroup3.setItemIndex(1);
    EXPECT_EQ(wb.model().borderMode, 1);
}

TEST(EngineCommands, BatchStepsAndShowsTime) {
    Workbench wb;
    Model& m = wb.model();
    wb.state<TrialCheck>().ended = nullptr;
    m.lineLength = 5;
    m.borderMode = 1;
    m.stepsPerPress = 3;
    m.lineI = {A, A, A, A, C};
    const int32_t press = m.pressCount;
    wb.form1().Button2.userClick();
    EXPECT_EQ(m.stepTime, 3);
    EXPECT_EQ(m.pressCount, press + 1);
    EXPECT_EQ(wb.form1().StatusBar1.text(), "3");
    wb.form1().Button1.userClick();
    EXPECT_EQ(m.stepTime, 6);
    EXPECT_FALSE(m.singleStepMode);
}

TEST(EngineCommands, BatchModeShowsTimeOnlyAtMultiplesOf32) {
    Workbench wb;
    Model& m = wb.model();
    wb.state<TrialCheck>().ended = nullptr;
    wb.form1().Timer101.setChecked(true);
    wb.form1().StatusBar1.setText("");
    m.stepsPerPress = 1;
    m.stepTime = 30;
    wb.run("Button2Click");
    EXPECT_EQ(wb.form1().StatusBar1.text(), "");
    wb.run("Button2Click");
    EXPECT_EQ(wb.form1().StatusBar1.text(), "32");
}

TEST(EngineCommands, BatchEndsWhenTheTrialCheckSaysSo) {
    Workbench wb;
    Model& m = wb.model();
    m.stepsPerPress = 50;
    int checks = 0;
    wb.state<TrialCheck>().ended = [&](Bench&) { return ++checks == 4; };
    wb.form1().StatusBar1.setText("");
    wb.run("Button2Click");
    EXPECT_EQ(m.stepTime, 4);
    EXPECT_EQ(wb.form1().StatusBar1.text(), ""); // an ended batch does not publish
}

TEST(EngineCommands, HugeStepsPerPressIsBoundedTo16Bits) {
    Workbench wb;
    Model& m = wb.model();
    wb.state<TrialCheck>().ended = nullptr;
    m.lineLength = 1;
    m.stepsPerPress = 100000;
    wb.run("Button2Click");
    EXPECT_EQ(m.stepTime, 32767);
}

} // namespace
} // namespace rca
