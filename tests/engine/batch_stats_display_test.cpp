// The batch display's texts and order, and the batch mode through the
// workbench's trial check: timers, labels, reseeding and the settings edits.
#include "app/workbench.h"
#include "engine/batch_stats_display.h"
#include "engine/random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rca {
namespace {

std::vector<std::string> names(const LabelTexts& texts) {
    std::vector<std::string> out;
    for (const auto& t : texts)
        out.push_back(t.first);
    return out;
}

TEST(BatchDisplay, OrderAndAveragesOnlyForNonZeroCounts) {
    BatchStats s;
    s.trialCount = 12;
    s.timeoutCount = 1;
    s.zeroDriftCount = 3;
    s.nonZeroDriftCount = 8;
    s.keptCount = 2;
    s.keptTimeSum = 7; // 7 / 2 = 3
    s.changedOddCount = 1;
    s.changedOddTimeSum = -5;
    s.drift1Count = 3;
    s.drift1TimeSum = 20; // 6
    s.drift5PlusCount = 5;
    s.drift5PlusTimeSum = 9; // 1
    LabelTexts out = batchDisplay(s, {3, 17, 20, 40});
    EXPECT_EQ(names(out),
              (std::vector<std::string>{"Label107", "Label108", "Label109", "Label110", "Label10",
                                        "Label31", "Label70", "Label71", "Label72", "Label73",
                                        "Label75", "Label79", "Label84", "Label85", "Label87",
                                        "Label88", "Label89", "Label94", "Label95"}));
    LabelTexts want = {
        {"Label107", "3"}, {"Label108", "17"}, {"Label109", "20"}, {"Label110", "40"},
        {"Label10", "12"}, {"Label31", "1"},   {"Label70", "3"},   {"Label71", "8"},
        {"Label72", "2"},  {"Label73", "3"},   {"Label75", "0"},   {"Label79", "0"},
        {"Label84", "1"},  {"Label85", "-5"},  {"Label87", "3"},   {"Label88", "6"},
        {"Label89", "0"},  {"Label94", "5"},   {"Label95", "1"}};
    EXPECT_EQ(out, want);
}

TEST(BatchDisplay, TrialCountShowsAtMostOneThousand) {
    BatchStats s;
    s.trialCount = 999;
    EXPECT_EQ(batchDisplay(s, {})[4].second, "999");
    s.trialCount = 1000;
    EXPECT_EQ(batchDisplay(s, {})[4].second, "1000");
    s.trialCount = 1001;
    EXPECT_EQ(batchDisplay(s, {})[4].second, "1000");
}

class BatchMode : public ::testing::Test {
  protected:
    Workbench wb;
    Model& m = wb.model();
    TForm1& f = wb.form1();

    void SetUp() override {
        f.notpaint1.setChecked(true); // no marks, no drawing
        f.Timer101.setChecked(true);
        f.Timer1.setEnabled(true);
        m.borderMode = 1;
    }

    // Both lines done: all A against all B on four cells, a drift of 4 per cell.
    void finishedAllATrial() {
        m.lineLength = 4;
        wb.fields().set("lineI", "AAAA");
        wb.fields().set("lineII", "BBBB");
        m.stepsPerPress = 10;
        m.stepTime = 0;
        wb.run("Button2Click");
    }

    std::string label(const std::string& name) { return f.label(name).caption(); }
};

TEST_F(BatchMode, TrialEndsAtStepTimeTwoAndHandsOverToTimer10) {
    m.pressCount = 0;
    finishedAllATrial();
    EXPECT_EQ(m.stepTime, 2);
    EXPECT_EQ(m.trialCount, 1);
    // v = |4 / 2| = 2
    EXPECT_EQ(m.nonZeroDriftCount, 1);
    EXPECT_EQ(m.drift2to4Count, 1);
    EXPECT_EQ(m.drift2to4TimeSum, 2);
    EXPECT_FALSE(f.Timer1.isEnabled());
    EXPECT_TRUE(f.Timer10.isEnabled());
    EXPECT_EQ(label("Label10"), "1");
    EXPECT_EQ(label("Label31"), "0");
    EXPECT_EQ(label("Label71"), "1");
    EXPECT_EQ(label("Label89"), "1");
    EXPECT_EQ(label("Label93"), "2");
    EXPECT_EQ(label("Label109"), "20");
    EXPECT_EQ(label("Label110"), "40");
    // The mask boxes as 5-bit numbers: left 1; right 1 and 2.
    EXPECT_EQ(label("Label107"), "1");
    EXPECT_EQ(label("Label108"), "3");
    // Averages of empty classes keep their texts.
    EXPECT_EQ(label("Label73"), "Label73");
    // No evaluation: results, verdict and the prediction stand-in untouched.
    EXPECT_EQ(label("Label33"), "X");
    EXPECT_EQ(label("Label57"), "X");
    EXPECT_EQ(m.pressCount, 1);
}

TEST_F(BatchMode, ThousandAndFirstTrialStopsBothTimers) {
    m.trialCount = 1000;
    finishedAllATrial();
    EXPECT_EQ(m.trialCount, 1001);
    EXPECT_EQ(label("Label10"), "1000");
    EXPECT_EQ(m.nonZeroDriftCount, 0);
    EXPECT_FALSE(f.Timer1.isEnabled());
    EXPECT_FALSE(f.Timer10.isEnabled());
    EXPECT_TRUE(f.Timer101.checked());
}

TEST_F(BatchMode, TrialsPerBatchFromItsEdit) {
    f.Edit29.userType("2 trials");
    EXPECT_EQ(m.trialsPerBatch, 2);
    finishedAllATrial();
    // The done markers stay set: every further batch ends the trial again.
    wb.run("Button2Click");
    EXPECT_EQ(m.trialCount, 2);
    EXPECT_TRUE(f.Timer10.isEnabled());
    wb.run("Button2Click");
    EXPECT_EQ(m.trialCount, 3);
    EXPECT_EQ(m.drift2to4Count, 2);
    EXPECT_FALSE(f.Timer10.isEnabled());
    EXPECT_EQ(label("Label10"), "3");
}

TEST_F(BatchMode, TimeoutAfterTheStepLimit) {
    f.Edit28.userType("4");
    EXPECT_EQ(m.stepLimit, 4);
    // No mask: B and C swap places forever, so neither line is ever done.
    for (CheckBox* b : {&f.CheckBox3, &f.CheckBox14, &f.CheckBox15})
        b->setChecked(false);
    m.lineLength = 2;
    wb.fields().set("lineI", "BC");
    wb.fields().set("lineII", "CB");
    m.stepsPerPress = 100;
    wb.run("Button2Click");
    EXPECT_EQ(m.stepTime, 5);
    EXPECT_EQ(m.trialCount, 1);
    EXPECT_EQ(m.timeoutCount, 1);
    EXPECT_EQ(m.zeroDriftCount + m.nonZeroDriftCount, 0);
    EXPECT_EQ(label("Label31"), "1");
    EXPECT_TRUE(f.Timer10.isEnabled());
}

TEST_F(BatchMode, ReseedsFromTheTimeOfDay) {
    m.trialCount = 127;
    const uint32_t before = timeOfDaySeed();
    finishedAllATrial();
    const uint32_t after = timeOfDaySeed();
    EXPECT_EQ(m.trialCount, 128);
    EXPECT_GE(m.randomState, before);
    EXPECT_LE(m.randomState, after);
}

TEST_F(BatchMode, SettingsEditsParseLikeAtol) {
    f.Edit26.userType("  12x");
    f.Edit27.userType("-7");
    f.Edit28.userType("abc");
    EXPECT_EQ(m.batchLengthMin, 12);
    EXPECT_EQ(m.batchLengthMax, -7);
    EXPECT_EQ(m.stepLimit, 0);
}

} // namespace
} // namespace rca
