// Reverse, the backward batches and the square-field mirror.
#include "run_control_fixture.h"

#include "engine/run_control.h"
#include "engine/step.h"
#include "forms/canvas.h"

#include <gtest/gtest.h>

namespace {

using runtest::lineI;
using runtest::lineII;
using runtest::setUp;

// Circle, L = 5, mask right 1: A A A A C, A A A C B, A A C B C, A C B A B.
const char* const history[] = {"AAAAC", "AAACB", "AACBC", "ACBAB"};

std::string mirrored(std::string s) {
    for (char& ch : s)
        ch = ch == 'B' ? 'C' : ch == 'C' ? 'B' : ch;
    return s;
}

TEST(RunControlBackward, ReverseThenThreeSingleStepsRetracesLineI) {
    rca::Workbench wb;
    setUp(wb, history[0], "BBBBA");
    for (int k = 1; k <= 3; ++k) {
        wb.run("Button1Click");
        ASSERT_EQ(lineI(wb), history[k]);
    }
    const std::string twoBefore = lineII(wb);
    wb.run("Button10Click");
    EXPECT_TRUE(wb.model().reverseMode);
    EXPECT_EQ(lineI(wb), mirrored(history[3]));
    EXPECT_EQ(lineII(wb), twoBefore); // line II is left alone
    EXPECT_EQ(wb.form1().Label21.caption(), "-");
    EXPECT_EQ(wb.form1().GroupBoxManage.color(), rca::clHighlight);
    for (int k = 2; k >= 0; --k) {
        wb.run("Button1Click");
        EXPECT_EQ(lineI(wb), mirrored(history[k]));
    }
    EXPECT_EQ(wb.model().stepTime, 0);
    wb.run("Button10Click");
    EXPECT_FALSE(wb.model().reverseMode);
    EXPECT_EQ(lineI(wb), history[0]);
    EXPECT_EQ(wb.form1().Label21.caption(), "+");
    EXPECT_EQ(wb.form1().GroupBoxManage.color(), rca::clYellow);
}

TEST(RunControlBackward, BackwardBatchStepsLineIBackAndLineIIOn) {
    rca::Workbench wb;
    setUp(wb, history[3], history[0]);
    wb.model().stepTime = 3;
    wb.run("Button50Click");
    EXPECT_EQ(lineI(wb), history[2]);
    EXPECT_EQ(lineII(wb), history[1]);
    EXPECT_EQ(wb.model().stepTime, 2);
    EXPECT_FALSE(wb.model().reverseMode);
    EXPECT_FALSE(wb.model().singleStepMode);
}

TEST(RunControlBackward, MinusNextToOneStepGoesOneBatchBackAndLineIIFifteenOn) {
    rca::Workbench wb;
    setUp(wb, history[3], history[0]);
    rca::Model& m = wb.model();
    m.stepTime = 3;
    const int32_t presses = m.pressCount;
    // Line II's future, stepped independently with the rule itself.
    rca::Line expectedII = m.lineII, buffer{};
    for (int k = 0; k < 15; ++k) {
        rca::stepLineRule(expectedII, buffer, 5, true, m.neighbourMask);
        std::copy_n(buffer.begin(), 5, expectedII.begin());
    }
    wb.run("Button72Click");
    EXPECT_EQ(lineI(wb), history[2]);
    EXPECT_EQ(m.stepTime, 2);
    EXPECT_TRUE(std::equal(expectedII.begin(), expectedII.begin() + 5, m.lineII.begin()));
    EXPECT_EQ(m.pressCount, presses + 15); // fifteen batches, each drawing its row
    EXPECT_FALSE(m.reverseMode);
}

TEST(RunControlBackward, MinusNextToNStepsGoesStepsPerPressBack) {
    rca::Workbench wb;
    setUp(wb, history[3], history[0]);
    rca::Model& m = wb.model();
    m.stepsPerPress = 3;
    m.stepTime = 3;
    wb.run("Button57Click");
    EXPECT_EQ(lineI(wb), history[0]);
    EXPECT_EQ(lineII(wb), history[3]);
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_FALSE(m.reverseMode);
    EXPECT_FALSE(m.singleStepMode);
}

TEST(RunControlBackward, TwoDimensionalModeMirrorsTheSquareFieldInstead) {
    rca::Workbench wb;
    setUp(wb, history[0], history[0]);
    rca::Model& m = wb.model();
    wb.form1().RadioGroup8.setItemIndex(1);
    m.squareRows = 2;
    m.squareCols = 2;
    m.squareField[0] = rca::B;
    m.squareField[1] = rca::C;
    m.squareField[2] = rca::A;
    m.squareField[3] = rca::B; // beyond 2 + 2 - 2
    wb.run("Button10Click");
    EXPECT_EQ(lineI(wb), history[0]);
    EXPECT_EQ(m.squareField[0], rca::C);
    EXPECT_EQ(m.squareField[1], rca::B);
    EXPECT_EQ(m.squareField[2], rca::A);
    EXPECT_EQ(m.squareField[3], rca::B);
    EXPECT_TRUE(m.reverseMode);
    EXPECT_EQ(wb.form1().Label21.caption(), "-");
}

// Pairs (x, y) with x < 3, y < 3 reach index 2 three times; each index must
// be exchanged exactly once.
TEST(RunControlBackward, SquareMirrorExchangesEachStripCellOnce) {
    rca::SquareState s;
    s.squareField.fill(rca::C);
    rca::swapSquareBC(s, 3, 3);
    for (int k = 0; k <= 4; ++k)
        EXPECT_EQ(s.squareField[k], rca::B) << k;
    EXPECT_EQ(s.squareField[5], rca::C);
    rca::swapSquareBC(s, 500, -3); // bounded, nothing to do
    rca::swapSquareBC(s, 500, 500);
    EXPECT_EQ(s.squareField[260], rca::B);
    EXPECT_EQ(s.squareField[261], rca::C);
}

// The done markers survive '=0', so the steps after it leave the finished
// trial's accumulators as they were.
TEST(RunControlBackward, ResetCounterLeavesTheAccumulatorsFrozen) {
    rca::Workbench wb;
    setUp(wb, "AAAA", "BBBB"); // both lines are done at stepTime 2
    rca::Model& m = wb.model();
    wb.run("Button1Click");
    wb.run("Button1Click");
    ASSERT_NE(m.lineIDone, 0);
    ASSERT_NE(m.lineIIDone, 0);
    const rca::CellInts clockI = m.cellClockI, driftII = m.cellDriftII;
    wb.run("Button56Click");
    for (int k = 0; k < 3; ++k)
        wb.run("Button1Click");
    EXPECT_EQ(m.stepTime, 3);
    EXPECT_EQ(m.cellClockI, clockI);
    EXPECT_EQ(m.cellDriftII, driftII);
}

TEST(RunControlBackward, ResetCounterAndTShowNoOtherEffect) {
    rca::Workbench wb;
    setUp(wb, history[0], history[0]);
    rca::Model& m = wb.model();
    m.stepTime = 17;
    m.lineIDone = 2;
    wb.run("Button56Click");
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.lineIDone, 2);
    EXPECT_EQ(wb.form1().StatusBar1.text(), "0");

    wb.canvas().fillRect(0, 0, 800, 800, rca::clRed);
    wb.form1().RadioGroup8.setItemIndex(0);
    wb.run("Button69Click");
    EXPECT_EQ(wb.canvas().pixel(100, 100), rca::clRed);
    wb.form1().RadioGroup8.setItemIndex(1);
    wb.run("Button69Click");
    EXPECT_EQ(wb.canvas().pixel(100, 100), rca::clBtnFace);
    EXPECT_EQ(wb.canvas().pixel(703, 703), rca::clBtnFace);
    EXPECT_EQ(wb.canvas().pixel(704, 704), rca::clRed);
    EXPECT_EQ(lineI(wb), history[0]);
}

} // namespace
