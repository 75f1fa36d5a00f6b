// GO and Stop, the timer speed items, the clock origin and the batch runner's tick.
#include "run_control_fixture.h"

#include "files/workdir_fixture.h"
#include "forms/canvas.h"
#include "forms/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using runtest::setUp;

TEST(RunControlTimers, GoRunsOneBatchPerTickUntilStop) {
    rca::Workbench wb;
    setUp(wb, "AAAAC", "BBBBA");
    rca::VirtualClock clock(wb.timers());
    wb.model().stepsPerPress = 2;
    wb.form1().Button6.userClick();
    clock.advance(250);
    EXPECT_EQ(wb.model().stepTime, 500);
    wb.form1().Button7.userClick();
    clock.advance(100);
    EXPECT_EQ(wb.model().stepTime, 500);
}

TEST(RunControlTimers, StopResetsEverythingItLists) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    f.zaplambdX1.setChecked(true);
    f.Timer101.setChecked(true);
    f.Dontshow1.setChecked(true);
    f.GroupBoxManage.setColor(rca::clYellow);
    for (rca::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer10})
        t->setEnabled(true);
    f.Button6.setEnabled(false);
    f.WriteLOGfile1.setChecked(true);
    f.Button7.userClick();
    EXPECT_FALSE(f.zaplambdX1.checked());
    EXPECT_FALSE(f.Timer101.checked());
    EXPECT_FALSE(f.Dontshow1.checked());
    EXPECT_EQ(f.GroupBoxManage.color(), rca::clBtnFace);
    for (rca::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer10})
        EXPECT_FALSE(t->isEnabled()) << t->name();
    EXPECT_TRUE(f.Button6.enabled());
    EXPECT_TRUE(f.WriteLOGfile1.checked()); // its own mark is not Stop's business
}

TEST(RunControlTimers, HalvingTheIntervalToZeroStopsTheRunForGood) {
    rca::Workbench wb;
    setUp(wb, "AAAAC", "BBBBA");
    rca::TForm1& f = wb.form1();
    rca::VirtualClock clock(wb.timers());
    f.Time21.userClick();
    f.Time21.userClick();
    EXPECT_EQ(f.Timer1.interval(), 4);
    f.N210.userClick();
    f.Button6.userClick();
    clock.advance(10); // ticks at 2, 4, .., 10
    EXPECT_EQ(wb.model().stepTime, 5);
    f.N210.userClick();
    f.N210.userClick();
    EXPECT_EQ(f.Timer1.interval(), 0);
    f.Button6.userClick();
    clock.advance(1000);
    EXPECT_EQ(wb.model().stepTime, 5);
    EXPECT_TRUE(f.Timer1.isEnabled());
    f.Time21.userClick();
    EXPECT_EQ(f.Timer1.interval(), 0); // doubling 0 gives 0
    clock.advance(1000);
    EXPECT_EQ(wb.model().stepTime, 5);
}

TEST(RunControlTimers, DoublingSaturates) {
    rca::Workbench wb;
    rca::Timer& t = wb.form1().Timer1;
    t.setInterval(1 << 30);
    wb.form1().Time21.userClick();
    EXPECT_EQ(t.interval(), 2147483647);
    wb.form1().Time21.userClick();
    EXPECT_EQ(t.interval(), 2147483647);
}

TEST(RunControlTimers, ClockOriginRestartsTheStoredTrialAndRuns) {
    rca::Workbench wb;
    setUp(wb, "AAAAC", "BBBBA");
    std::vector<std::string> ran;
    wb.commands().replace("Button106Click", [&ran] { ran.push_back("R"); });
    rca::TForm1& f = wb.form1();
    f.UpDown5.userClick(true);
    f.UpDown5.userClick(true);
    EXPECT_EQ(wb.model().clockOrigin, 20);
    EXPECT_EQ(f.Label69.caption(), "20");
    EXPECT_EQ(ran, (std::vector<std::string>{"R", "R"}));
    EXPECT_TRUE(f.Timer1.isEnabled());
}

TEST(RunControlTimers, BatchRunnerClickTogglesClearsAndStarts) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    rca::Model& m = wb.model();
    m.trialCount = 12;
    m.drift5PlusTimeSum = 7;
    m.failCount2 = 3;
    f.Timer101.userClick();
    EXPECT_TRUE(f.Timer101.checked());
    EXPECT_TRUE(f.Timer10.isEnabled());
    EXPECT_EQ(m.trialCount, 0);
    EXPECT_EQ(m.drift5PlusTimeSum, 0);
    EXPECT_EQ(m.failCount2, 0);
    f.Timer10.setEnabled(false);
    m.keptCount = 4;
    f.Timer101.userClick();
    EXPECT_FALSE(f.Timer101.checked());
    EXPECT_TRUE(f.Timer10.isEnabled()); // a trial starts either way
    EXPECT_EQ(m.keptCount, 0);
}

// The second click unchecks the item yet starts a trial, which then ends as
// an interactive one: evaluated, not counted, and no next trial.
TEST(RunControlTimers, BatchRunnerClickedTwiceRunsOneInteractiveTrial) {
    filestest::TempWorkdir dir;
    rca::Workbench wb;
    wb.startUp();
    rca::TForm1& f = wb.form1();
    rca::VirtualClock clock(wb.timers());
    f.Timer101.userClick();
    f.Timer101.userClick();
    for (int k = 0; k < 1000 && (f.Timer1.isEnabled() || f.Timer10.isEnabled()); ++k)
        clock.advance(1000);
    EXPECT_FALSE(f.Timer1.isEnabled());
    EXPECT_FALSE(f.Timer10.isEnabled());
    EXPECT_EQ(wb.model().trialCount, 0);
    EXPECT_GT(wb.model().stepTime, 2);
    EXPECT_EQ(f.label("Label25").caption(), std::to_string(wb.model().doneTimeI));
}

// From state 1 the draws are 346, 130, 10982: length 20 + 346 mod 20 = 26,
// then k = trunc(130 / 32768 * 13) = 0 (drawn again) and
// k = trunc(10982 / 32768 * 13) = 4.
TEST(RunControlTimers, BatchRunnerTickSetsUpTheNextTrial) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    rca::Model& m = wb.model();
    std::vector<std::string> ran;
    wb.commands().replace("Button58Click", [&ran] { ran.push_back("Random"); });
    m.randomState = 1;
    f.Timer10.setEnabled(true);
    f.Timer10.fire();
    EXPECT_EQ(f.Edit1.text(), "26");
    EXPECT_EQ(m.lineLength, 26);
    EXPECT_EQ(m.cellWidth, 19); // 500 / 26
    EXPECT_EQ(m.cellHeight, 19);
    EXPECT_EQ(f.Edit7.text(), "4");
    EXPECT_EQ(m.bPointCount, 4);
    EXPECT_EQ(ran, std::vector<std::string>{"Random"});
    EXPECT_TRUE(f.Timer1.isEnabled());
    EXPECT_FALSE(f.Timer10.isEnabled());
}

TEST(RunControlTimers, BatchRunnerRewritesAFieldThatAlreadyShowsTheNumber) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    rca::Model& m = wb.model();
    f.Edit1.setText("26");
    m.lineLength = 19; // set behind the field's back (hidden Edit5)
    m.randomState = 1;
    f.Timer10.setEnabled(true);
    f.Timer10.fire();
    EXPECT_EQ(m.lineLength, 26);
}

TEST(RunControlTimers, CheckMarkItemsToggleThemselves) {
    rca::Workbench wb;
    rca::TForm1& f = wb.form1();
    for (rca::MenuItem* item :
         {&f.Dontshow1, &f.ShowI1, &f.ShowII1, &f.Nonreversible1, &f.NOTSTOP1, &f.IsStopwhenN1,
          &f.IsStopwhenNC01, &f.IaStopwhenReverse1, &f.IsStopwheniCX1}) {
        const bool before = item->checked();
        item->userClick();
        EXPECT_NE(item->checked(), before) << item->name();
        item->userClick();
        EXPECT_EQ(item->checked(), before) << item->name();
    }
}

} // namespace
