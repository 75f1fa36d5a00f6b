// The set-up commands through the workbench, in a fresh working directory
// (every set-up writes square file 5).
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using filestest::TempWorkdir;

namespace {

struct SetupCommands : ::testing::Test {
    TempWorkdir dir;
    Workbench wb;
    Model& m = wb.model();
    std::string print(const std::string& name) { return wb.fields().print(name); }
    void setLine(const std::string& one) {
        m.lineLength = static_cast<int32_t>(one.size());
        wb.fields().set("lineI", one);
    }
};

} // namespace

TEST_F(SetupCommands, RandomSetsUpAWholeTrial) {
    m.lineLength = 11;
    m.bPointCount = 8;
    m.cPointCount = 0;
    m.stepTime = 12;
    m.pressCount = 3;
    m.lineIDone = 2;
    m.cellClockI[4] = 9;
    m.markCI[7][3] = 1;
    m.pictureLeft = 300;
    wb.form1().Label57.setCaption("OK!!");
    wb.form1().Timer1.setEnabled(true);
    wb.run("Button58Click");
    EXPECT_EQ(print("lineI"), "BBBABBBBABA");
    EXPECT_EQ(print("lineII"), "AAABAAAABAB");
    EXPECT_EQ(print("startLineI"), "BBBABBBBABA");
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.pressCount, -17);
    EXPECT_EQ(m.lineIDone, 0);
    EXPECT_EQ(m.cellClockI[4], 0);
    EXPECT_EQ(m.markCI[7][3], 0);
    EXPECT_EQ(m.pictureLeft, 0);
    EXPECT_EQ(wb.form1().Label57.caption(), "X");
    EXPECT_EQ(wb.form1().StatusBar1.text(), "0");
    // 'Random' does not run 'Clear': a running 'GO' goes on with the new trial.
    EXPECT_TRUE(wb.form1().Timer1.isEnabled());
    // The line went to square file 5.
    auto bytes = filestest::readBytes("CA/ca5.dat");
    ASSERT_EQ(bytes.size(), 104u);
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(bytes[4], B);
    EXPECT_EQ(bytes[7], A);

    // The next draws give 2, 7, 6, 5, 7, 10, 1, 7: another line.
    wb.run("Button58Click");
    EXPECT_EQ(print("lineI"), "ABBAABBBAAB");
}

TEST_F(SetupCommands, NBFieldParsesLikeAtol) {
    m.lineLength = 11;
    wb.form1().Edit7.userType("12abc");
    EXPECT_EQ(m.bPointCount, 12);
    wb.form1().Edit7.userType("x5");
    EXPECT_EQ(m.bPointCount, 0);
    wb.run("Button58Click");
    EXPECT_EQ(print("lineI"), "AAAAAAAAAAA");
    EXPECT_EQ(print("lineII"), "BBBBBBBBBBB");
}

TEST_F(SetupCommands, CCountLeavesNoCInTheLine) {
    m.lineLength = 11;
    wb.form1().Edit6.userType("5");
    wb.form1().Edit7.userType("3");
    wb.run("Button58Click");
    // C draws 5, 9, 4, 1, 7; B draws 0, 6, 2.
    EXPECT_EQ(print("lineI"), "BABAAABAAAA");
    EXPECT_EQ(print("cPositions"), "5 9 4 1 7");
}

TEST_F(SetupCommands, WrThenRRestoresTheLineWithoutC) {
    setLine("ABCBAACBB");
    m.bPointCount = 1;
    wb.run("Button28Click");
    setLine("AAAAAAAAAAAAAAA");
    wb.form1().Edit7.setText("1");
    m.stepTime = 30;
    m.lineIIDone = 1;
    wb.run("Button106Click");
    EXPECT_EQ(m.lineLength, 9);
    EXPECT_EQ(print("lineI"), "ABABAAABB");
    EXPECT_EQ(print("lineII"), "BABABBBAA");
    EXPECT_EQ(print("startLineI"), "ABABAAABB");
    EXPECT_EQ(print("bPositions"), "1 3 7 8");
    EXPECT_EQ(m.bPointCount, 4);
    EXPECT_EQ(wb.form1().Edit7.text(), "1"); // the field is not updated
    EXPECT_EQ(wb.form1().Edit1.text(), "9");
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.lineIIDone, 0);
}

TEST_F(SetupCommands, RClearsTheClocksOfALongerStoredLine) {
    setLine("ABAAAAAAAAAAAAAAAAAA"); // 20 cells
    wb.run("Button28Click");
    m.lineLength = 5;
    m.cellClockI[15] = 40;
    m.markAI[3][15] = 1;
    wb.run("Button106Click");
    EXPECT_EQ(m.lineLength, 20);
    EXPECT_EQ(m.cellClockI[15], 0);
    EXPECT_EQ(m.markAI[3][15], 0);
}

TEST_F(SetupCommands, DAndMakeOnLinesWithC) {
    setLine("ABCAB");
    wb.fields().set("lineII", "CBAAC");
    m.startLineI = m.lineI;
    wb.run("Button42Click");
    EXPECT_EQ(print("lineI"), "BAABA");
    EXPECT_EQ(print("lineII"), "AABBA");
    EXPECT_EQ(m.startLineI[0], A); // not a new trial

    setLine("ABCAB");
    m.squareCols = 5;
    wb.run("Make1Click");
    EXPECT_EQ(print("lineI"), "BABBA");
    // squareCols beyond the line's 100 cells: the inversion stops there.
    m.squareCols = 131;
    wb.run("Make1Click");
    EXPECT_EQ(m.lineI[99], B);
}

TEST_F(SetupCommands, XXXPlacesABlockAndKeepsTheClocks) {
    m.lineLength = 11;
    m.bPointCount = 3;
    m.cellClockI[1] = 8;
    m.cellDriftI[1] = 5;
    m.markBI[2][1] = 1;
    wb.run("XXX1Click");
    EXPECT_EQ(print("lineI"), "BBBAAAAAAAA");
    EXPECT_EQ(print("lineII"), "AAABBBBBBBB");
    EXPECT_EQ(m.cellClockI[1], 8);
    EXPECT_EQ(m.cellDriftI[1], 0);
    EXPECT_EQ(m.markBI[2][1], 1);
    EXPECT_EQ(m.stepTime, 0);

    m.bPointCount = 5000; // the block stops at the line's 100 cells
    wb.run("XXX1Click");
    EXPECT_EQ(m.lineI[99], B);
}

TEST_F(SetupCommands, ClearErasesAndStops) {
    Canvas& c = wb.canvas();
    c.fillRect(790, 0, 810, 10, clRed);
    wb.form1().Timer1.setEnabled(true);
    wb.form1().Dontshow1.setChecked(true);
    wb.form1().GroupBoxManage.setColor(clYellow);
    wb.run("Button8Click");
    EXPECT_EQ(c.pixel(799, 5), clBtnFace);
    EXPECT_EQ(c.pixel(800, 5), clRed);
    EXPECT_FALSE(wb.form1().Timer1.isEnabled());
    EXPECT_FALSE(wb.form1().Dontshow1.checked());
    EXPECT_EQ(wb.form1().GroupBoxManage.color(), clBtnFace);
}

TEST_F(SetupCommands, MenuClearDrawsTheFrameAndClearAllErasesLess) {
    m.squareRows = m.squareCols = 10;
    wb.run("Clear1Click");
    Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(20, 55), clBlack);
    EXPECT_EQ(c.pixel(55, 20), clBlack);
    EXPECT_EQ(c.pixel(20, 40), clBtnFace);

    c.fillRect(700, 700, 710, 710, clRed);
    wb.run("Clearall1Click");
    EXPECT_EQ(c.pixel(703, 703), clBtnFace);
    EXPECT_EQ(c.pixel(705, 705), clRed);
    EXPECT_EQ(c.pixel(20, 55), clBtnFace);
}

TEST_F(SetupCommands, GuideGrid) {
    m.cellWidth = m.cellHeight = 30;
    wb.run("DrawGuideGrid");
    Canvas& c = wb.canvas();
    EXPECT_EQ(c.pixel(360, 400), clBlack);           // first vertical line
    EXPECT_EQ(c.pixel(360 + 11 * 30, 790), clBlack); // last vertical line
    EXPECT_EQ(c.pixel(375, 400), clBtnFace);
    EXPECT_EQ(c.pixel(500, 15), clBlack); // k = 0: 30 - 15
    EXPECT_EQ(c.pixel(500, 60), clBlack); // k = 1: 45 + 15
    EXPECT_EQ(c.pixel(500, 30), clBtnFace);
}

TEST_F(SetupCommands, RandomizeTogglesItsMark) {
    wb.form1().randomize2.userClick();
    EXPECT_TRUE(wb.form1().randomize2.checked());
    wb.form1().randomize2.userClick();
    EXPECT_FALSE(wb.form1().randomize2.checked());
}

TEST_F(SetupCommands, ThreeXModeOnSetUp) {
    m.lineLength = 11;
    wb.form1().RadioGroup7.setItemIndex(0);
    m.stepsPerPress = 9;
    wb.run("Button58Click");
    EXPECT_EQ(m.stepsPerPress, 1);
    EXPECT_TRUE(m.singleStepMode);
    EXPECT_EQ(wb.form1().Edit2.text(), "1");
    EXPECT_EQ(wb.form1().UpDown1.position(), 1);
}
