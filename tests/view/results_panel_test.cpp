// The evaluation of a finished trial through the workbench: when it runs,
// what it shows, and the 'Test (1,1)' set-ups.
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "view/results_eval.h"

#include <gtest/gtest.h>

#include <string>

namespace rca {
namespace {

class ResultsPanel : public ::testing::Test {
  protected:
    Workbench wb;
    Model& m = wb.model();
    TForm1& f = wb.form1();

    void SetUp() override {
        f.notpaint1.setChecked(true); // keeps the mark grids as the test writes them
        m.borderMode = 1;
        // Mask left 1 and right 1.
        f.CheckBox15.setChecked(false);
    }

    void line(const std::string& one, const std::string& two) {
        m.lineLength = static_cast<int32_t>(one.size());
        wb.fields().set("lineI", one);
        wb.fields().set("lineII", two);
        wb.fields().set("startLineI", one);
    }

    void press(int steps) {
        m.stepsPerPress = steps;
        wb.run("Button2Click");
    }

    std::string label(const std::string& name) { return f.label(name).caption(); }
};

// B A A A on a circle of four, left 1 and right 1. Worked out by hand:
// line I   B A A A, C A A A, B C A C, A B C B, A A B A (no C: T1 = 4)
// line II  A B B B, A C C C, C B B B, B A C A, C C B C, B B A B (no C: T2 = 5)
// Drifts: line I cells C B A A, A C B A, ... end at +2 each; line II at -2.
TEST_F(ResultsPanel, KnownTrialShowsEveryValue) {
    line("BAAA", "ABBB");
    f.Timer1.setEnabled(true);
    m.pressCount = 0;
    press(10);
    EXPECT_EQ(m.stepTime, 5);
    EXPECT_FALSE(f.Timer1.isEnabled());
    EXPECT_EQ(wb.fields().print("endLineI"), "AABA");
    EXPECT_EQ(wb.fields().print("endLineII"), "BBAB");
    EXPECT_EQ(f.StatusBar1.text(), "5");
    for (const char* l : {"Label3", "Label4", "Label6", "Label17"})
        EXPECT_EQ(label(l), "1") << l;
    for (const char* l : {"Label18", "Label23", "Label26", "Label27"})
        EXPECT_EQ(label(l), "-1") << l;
    EXPECT_EQ(label("Label25"), "4");
    EXPECT_EQ(label("Label34"), "5");
    EXPECT_EQ(label("Label29"), "1");
    EXPECT_EQ(label("Label33"), "1");
    EXPECT_EQ(label("Label112"), "0");
    EXPECT_EQ(label("Label35"), "1");
    EXPECT_EQ(label("Label56"), "3"); // (4 + 5) / 3
    EXPECT_EQ(m.endsDisjoint, 1);
    EXPECT_EQ(m.endFlipsStart, 0);
    EXPECT_EQ(m.failCount1 + m.failCount2 + m.failCount3, 0);
    // 'Prediction' has no item: the stand-in counts one press, the verdict stays.
    EXPECT_EQ(m.pressCount, 2);
    EXPECT_EQ(label("Label57"), "X");
}

// All A against all B: both lines are done at stepTime 2.
TEST_F(ResultsPanel, InteractiveTrialEndsOnlyAtStepTimeThree) {
    line("AAAA", "BBBB");
    press(1);
    press(1);
    EXPECT_EQ(m.lineIDone, 1);
    EXPECT_EQ(m.lineIIDone, 1);
    EXPECT_EQ(label("Label25"), "X");
    press(1);
    EXPECT_EQ(m.stepTime, 3);
    // Drift I +4, drift II -2, T1 = T2 = 2.
    EXPECT_EQ(label("Label3"), "2");
    EXPECT_EQ(label("Label18"), "-1");
    EXPECT_EQ(label("Label25"), "2");
    EXPECT_EQ(label("Label29"), "0");
    EXPECT_EQ(label("Label33"), "1");
    EXPECT_EQ(label("Label112"), "0");
    EXPECT_EQ(label("Label35"), "0");
    EXPECT_EQ(label("Label56"), "1");
    EXPECT_EQ(m.failCount1, 0);
    EXPECT_EQ(m.failCount2, 1);
    EXPECT_EQ(m.failCount3, 1);
    // Stepping on evaluates again, since the markers stay set.
    press(1);
    EXPECT_EQ(m.stepTime, 4);
    EXPECT_EQ(m.failCount2, 2);
}

TEST_F(ResultsPanel, BatchLongerThanTheTrialStopsAtTheEnd) {
    line("AAAA", "BBBB");
    press(50);
    EXPECT_EQ(m.stepTime, 3);
    EXPECT_EQ(f.StatusBar1.text(), "3");
}

TEST_F(ResultsPanel, NoClockViewMarksGiveKOneAndAllMatches) {
    line("AAAA", "BBBB");
    m.markAII[0][0] = 1; // differs from markCI, but no row is compared
    m.markBI[0][1] = 1;
    press(3);
    EXPECT_EQ(label("Label37"), "1");
    for (const char* l : {"Label24", "Label32", "Label38", "Label66"})
        EXPECT_EQ(label(l), "1") << l;
}

TEST_F(ResultsPanel, MatchFlagsCompareRowsBelowLastCRow) {
    line("AAAA", "BBBB");
    m.lastCRowI = 2;
    m.markCI[1][3] = 1;
    m.markAII[1][3] = 1; // equal to markCI
    m.markBI[1][3] = 1;  // equal to markCI
    m.markCII[0][2] = 1; // differs from markAI and markBII
    m.markCI[2][0] = 1;  // row 2 = lastCRowI is not compared
    press(3);
    EXPECT_EQ(label("Label37"), "3");
    EXPECT_EQ(label("Label24"), "1");
    EXPECT_EQ(label("Label32"), "0");
    EXPECT_EQ(label("Label38"), "1");
    EXPECT_EQ(label("Label66"), "0");
    // The hidden sample shows markCI rows 0..4, columns 0..2.
    const auto& sample = markSampleLabelNames();
    ASSERT_EQ(sample.size(), 15u);
    EXPECT_EQ(label(sample[2 * 3 + 0]), "1");
    EXPECT_EQ(label(sample[1 * 3 + 2]), "0");
}

TEST_F(ResultsPanel, HugeLastCRowStaysInsideTheGrids) {
    line("AAAA", "BBBB");
    m.lastCRowI = 2147483647 - 1;
    m.markCII[markRows - 1][0] = 1;
    press(3);
    EXPECT_EQ(label("Label32"), "0");
    EXPECT_EQ(label("Label37"), "2147483647");
}

TEST_F(ResultsPanel, PredictionYesRunsTheCheckAndShowsTwenty) {
    line("AAAA", "BBBB");
    f.RadioGroup12.setItemIndex(0);
    wb.run("Button5Click");
    m.pressCount = 0;
    press(3);
    // An all-A line predicts nothing, and no C mark was recorded.
    EXPECT_EQ(label("Label57"), "OK!!");
    EXPECT_EQ(m.stepTime, 20);
    EXPECT_EQ(f.StatusBar1.text(), "20");
    EXPECT_EQ(m.pressCount, 2);
}

TEST_F(ResultsPanel, SampleLabelsNeverOverwriteAnotherValue) {
    for (const auto& name : markSampleLabelNames()) {
        EXPECT_NE(name, "Label31"); // the batch display's timeouts
        for (const auto& result : resultLabelNames())
            EXPECT_NE(name, result);
        EXPECT_FALSE(f.label(name).visible()) << name;
    }
}

TEST_F(ResultsPanel, ResetResultsLeavesTheVerdict) {
    line("AAAA", "BBBB");
    press(3);
    f.Label57.setCaption("OK!!");
    wb.run("resetResults");
    for (const auto& name : resultLabelNames())
        EXPECT_EQ(label(name), "X") << name;
    EXPECT_EQ(resultLabelNames().size(), 20u);
    EXPECT_EQ(label("Label57"), "OK!!");
}

// 'G' and 'Gd' on eleven cells.
class TestTrials : public ResultsPanel {
  protected:
    void SetUp() override {
        ResultsPanel::SetUp();
        m.lineLength = m.squareRows = m.squareCols = 11;
        f.CheckBox33.setChecked(true);
        f.CheckBox5.setChecked(true); // left 3, cleared by the test trials
        f.Label57.setCaption("NOT");
        f.label("Label33").setCaption("1");
    }

    void expectCommonSetUp() {
        for (int d = 1; d <= maxDistance; ++d) {
            EXPECT_EQ(m.neighbourMask.left[d], d == 1) << d;
            EXPECT_EQ(m.neighbourMask.right[d], d == 1) << d;
            EXPECT_EQ(f.maskLeft[d]->checked(), d == 1) << d;
        }
        EXPECT_EQ(f.RadioGroup12.itemIndex(), 0);
        EXPECT_FALSE(f.CheckBox33.checked());
        EXPECT_EQ(m.stepTime, 0);
        EXPECT_EQ(m.pressCount, -17);
        EXPECT_EQ(label("Label33"), "X");
        EXPECT_EQ(label("Label57"), "NOT");
        EXPECT_EQ(wb.fields().print("startLineI"), wb.fields().print("lineI"));
    }
};

TEST_F(TestTrials, GPlacesBAtZeroOneTwoAndSeven) {
    wb.run("Button93Click");
    expectCommonSetUp();
    EXPECT_EQ(wb.fields().print("lineI"), "BBBAAAABAAA");
    EXPECT_EQ(wb.fields().print("lineII"), "AAABBBBABBB");
    EXPECT_EQ(m.bPositionCount, 4);
    // The theory model was reset from the new line.
    EXPECT_EQ(m.theoryGrid[0][0], 3);
    EXPECT_EQ(m.theoryGrid[0][3], 0);
    EXPECT_EQ(m.theoryGrid[0][7], 3);
}

TEST_F(TestTrials, GdPlacesTheComplement) {
    wb.run("Button101Click");
    expectCommonSetUp();
    EXPECT_EQ(wb.fields().print("lineI"), "AAABBBBABBB");
    EXPECT_EQ(wb.fields().print("lineII"), "BBBAAAABAAA");
    EXPECT_EQ(m.bPositionCount, 7);
}

TEST_F(TestTrials, GLeavesTheNBCountToRandom) {
    f.Edit7.userType("5");
    wb.run("Button93Click");
    EXPECT_EQ(m.bPointCount, 5);
    wb.run("Button58Click");
    EXPECT_EQ(m.bPositionCount, 5);
    EXPECT_EQ(f.Edit7.text(), "5");
}

// From the start-up state (every view box checked, so the clock view records
// its marks) the particle model predicts both test trials' C marks.
TEST(TestTrialVerdict, GAndGdPassTheCheck) {
    filestest::TempWorkdir dir;
    Workbench wb;
    wb.startUp();
    TForm1& f = wb.form1();
    for (const char* button : {"Button93Click", "Button101Click"}) {
        f.Label57.setCaption("NOT"); // the set-ups leave the verdict as it was
        wb.run(button);
        for (int k = 0; k < 100 && f.label("Label25").caption() == "X"; ++k)
            wb.run("Button2Click");
        EXPECT_EQ(f.Label57.caption(), "OK!!") << button;
        EXPECT_EQ(f.StatusBar1.text(), "20") << button;
    }
}

} // namespace
} // namespace rca
