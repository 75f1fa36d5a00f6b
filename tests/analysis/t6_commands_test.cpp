// The 'T=6' menu: 'Begim' and its sweep, the view switches, and the two
// windows 'Show T6' and 'T6 Graf'.
#include "analysis/improve_state.h"
#include "analysis/t6_state.h"
#include "analysis/tform14.h"
#include "analysis/tform5.h"
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace rca;
using namespace filestest;

namespace {

struct T6 : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();
    MainControls& f = wb.form1();
    T6State& s = wb.state<T6State>();

    void SetUp() override { wb.startUp(); }
    MenuItem& item(const char* name) { return *f.findAs<MenuItem>(name); }
    TForm5& tallies() { return *dynamic_cast<TForm5*>(wb.form("TForm5")); }
    TForm14& graph() { return *dynamic_cast<TForm14*>(wb.form("TForm14")); }
    void runTrial() {
        for (int k = 0; k < 5000 && f.Timer1.enabled(); ++k)
            wb.run("Timer1Timer");
    }
};

} // namespace

TEST_F(T6, BegimSeedsTheSquareAndArmsTheGenerator) {
    struct Case {
        bool cOrB;
        uint8_t at30, at31;
    };
    for (const Case& c : {Case{false, C, A}, Case{true, B, B}}) {
        item("CorB1").setChecked(c.cOrB);
        s.t6Tallies[7] = 99;
        s.t6Trial = 12;
        m.squareField.fill(C);
        wb.run("Begim1Click");
        EXPECT_EQ(m.squareRows, 31);
        EXPECT_EQ(m.squareCols, 31);
        EXPECT_EQ(f.Edit1.text(), "31");
        EXPECT_EQ(f.UpDown2.position(), 31);
        EXPECT_EQ(s.t6Trial, 0);
        EXPECT_EQ(s.t6Tallies[7], 0);
        EXPECT_EQ(m.squareField[0], C);
        EXPECT_EQ(m.squareField[1], A);
        EXPECT_EQ(m.squareField[30], c.at30) << c.cOrB;
        EXPECT_EQ(m.squareField[31], c.at31) << c.cOrB;
        EXPECT_EQ(m.squareField[61], A);
        EXPECT_TRUE(f.Timer6.enabled());
        EXPECT_FALSE(f.Timer1.enabled());
        wb.run("Timer6Timer");
        EXPECT_FALSE(f.Timer6.enabled());
        EXPECT_TRUE(f.Timer1.enabled());
        EXPECT_EQ(m.squareField[30], c.at30);
    }
}

TEST_F(T6, ATrialTalliesItsRunAndArmsTheNextOne) {
    wb.run("Begim1Click");
    wb.run("Timer6Timer");
    runTrial();
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_GT(s.t6Tallies[0], 0);
    EXPECT_EQ(s.t6Tallies[0], m.stepTime);
    EXPECT_EQ(s.t6Trial, 1);
    EXPECT_TRUE(f.Timer6.enabled());
    // Trial 1 moves the first point to (0, 1): C at index 1, not at 0.
    wb.run("Timer6Timer");
    EXPECT_EQ(m.squareField[0], A);
    EXPECT_EQ(m.squareField[1], C);
    EXPECT_EQ(m.stepTime, 0);
}

TEST_F(T6, TrialsEndAtTheCapAndTheLastOneStartsNoRun) {
    wb.run("Begim1Click");
    s.t6Trial = 134;
    wb.run("Timer6Timer");
    runTrial();
    EXPECT_LE(s.t6Tallies[134], 600);
    EXPECT_EQ(s.t6Trial, 135);
    wb.run("Timer6Timer");
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(f.Timer6.enabled());
    EXPECT_EQ(m.squareField[30], C); // (15, 15) replaces (0, 0)
    EXPECT_EQ(m.squareField[0], A);
    for (int32_t outside : {136, -1}) {
        s.t6Trial = outside;
        host.messages.clear();
        wb.run("Timer6Timer");
        EXPECT_FALSE(f.Timer1.enabled());
        EXPECT_EQ(host.messages.size(), 1u) << outside;
    }
}

TEST_F(T6, StopEndsTheSweepAndTheImproveTimer) {
    wb.run("Begim1Click");
    wb.run("Timer6Timer");
    f.Timer5.setEnabled(true);
    wb.run("StopT61Click");
    EXPECT_FALSE(f.Timer5.enabled());
    EXPECT_FALSE(f.Timer6.enabled());
    runTrial();
    EXPECT_EQ(s.t6Trial, 1); // the run under way is still tallied
    EXPECT_FALSE(f.Timer6.enabled());
}

TEST_F(T6, ShowT6ShowsTheFirst37Tallies) {
    wb.run("Begim1Click");
    wb.run("ShowtMatrix1Click");
    for (Label* l : tallies().tallies)
        EXPECT_EQ(l->caption(), "0");
    for (int n = 0; n < t6TallyCount; ++n)
        s.t6Tallies[static_cast<size_t>(n)] = 1000 + n;
    wb.run("ShowtMatrix1Click");
    EXPECT_EQ(tallies().tallies[0]->caption(), "1000");
    EXPECT_EQ(tallies().tallies[36]->caption(), "1036");
    // Row 9 holds the 37th label alone, below row 8's first.
    EXPECT_EQ(tallies().tallies[36]->geometry().x, tallies().tallies[28]->geometry().x);
    EXPECT_EQ(tallies().tallies[36]->geometry().y, tallies().tallies[28]->geometry().y + 24);
}

TEST_F(T6, GraphOpensWithTheEndFromTheStepCounterThenFollowsPressCount) {
    EXPECT_TRUE(graph().CheckBox4.checked());
    EXPECT_TRUE(graph().CheckBox1.checked());
    m.stepTime = 11;
    m.pressCount = 30;
    s.viewCurves[0][3] = 42;
    wb.run("Showgrafics1Click");
    EXPECT_EQ(graph().Edit3.text(), "4");
    EXPECT_EQ(graph().Edit9.text(), "4");
    EXPECT_EQ(graph().RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(s.graphEnd, 10);
    EXPECT_EQ(graph().Chart1.series()[0].points.size(), 4u);
    EXPECT_EQ(graph().Chart1.series()[0].points[3].y, 42);
    EXPECT_EQ(graph().Chart2.series()[0].points.size(), 4u);
}

TEST_F(T6, EachButtonPlotsAndATypedEmptyRangePlotsNothing) {
    wb.run("Showgrafics1Click");
    graph().Edit2.setText("2");
    graph().Edit3.setText("5");
    graph().Edit1.setText("7");
    EXPECT_EQ(s.graphThreshold, 7);
    s.phaseFirst[0][2] = 9;
    graph().CheckBox5.setChecked(false);
    graph().CheckBox6.setChecked(false);
    struct Case {
        Button* button;
        size_t chart1Series1, chart2Series0; // only 'View' plots these
        double firstY;
    };
    for (const Case& c : {Case{&graph().Button1, 3, 3, 0}, Case{&graph().Button2, 0, 0, 9},
                          Case{&graph().Button3, 0, 0, 7}, Case{&graph().Button4, 0, 0, 0}}) {
        c.button->userClick();
        EXPECT_EQ(graph().Chart1.series()[0].points.size(), 3u) << c.button->name();
        EXPECT_EQ(graph().Chart1.series()[1].points.size(), c.chart1Series1) << c.button->name();
        EXPECT_EQ(graph().Chart2.series()[0].points.size(), c.chart2Series0) << c.button->name();
        EXPECT_EQ(graph().Chart1.series()[0].points[0].y, c.firstY) << c.button->name();
    }
    graph().Edit3.setText("2");
    for (Button* b : {&graph().Button1, &graph().Button2, &graph().Button3, &graph().Button4}) {
        b->userClick();
        EXPECT_TRUE(graph().Chart1.series()[0].points.empty()) << b->name();
    }
}

TEST_F(T6, SixCoinsSetsOneStepOnlyWithOneOrThreeSquare) {
    for (bool orThree : {false, true}) {
        item("Showwithfilt1").setChecked(orThree);
        f.Edit2.setText("4");
        ASSERT_EQ(m.stepsPerPress, 4);
        wb.run("Is6coins1Click");
        EXPECT_EQ(m.stepsPerPress, orThree ? 1 : 4);
        EXPECT_EQ(f.Edit2.text(), orThree ? "1" : "4");
    }
}

TEST_F(T6, MarksAfterStartUpAndSwitches) {
    EXPECT_TRUE(item("IsIZM1").checked());
    EXPECT_TRUE(item("Cnc11").checked());
    EXPECT_FALSE(item("Cnc01").checked());
    EXPECT_TRUE(item("XXcnc1").checked());
    EXPECT_FALSE(item("Showparameters1").checked());
    wb.run("Cnc21Click");
    EXPECT_FALSE(item("Cnc11").checked());
    EXPECT_TRUE(item("Cnc21").checked());
    wb.run("BEGIN21Click");
    EXPECT_FALSE(item("XXcnc1").checked());
    EXPECT_TRUE(item("isRIVER1").checked());
    EXPECT_TRUE(item("NoA1").checked());
    EXPECT_TRUE(f.notpaint1.checked());
    EXPECT_EQ(f.findAs<RadioGroup>("RadioGroupCorS")->itemIndex(), 1);
}

TEST_F(T6, PresetsSetTheSquareAndReportAMissingFile) {
    struct Case {
        const char* command;
        int side;
    };
    for (const Case& c : {Case{"Sh411Click", 31}, Case{"Siz511Click", 71}}) {
        host.messages.clear();
        wb.run(c.command);
        EXPECT_EQ(m.squareRows, c.side);
        EXPECT_EQ(m.squareCols, c.side);
        EXPECT_EQ(f.Edit1.text(), std::to_string(c.side));
        EXPECT_EQ(m.borderMode, 1);
        EXPECT_TRUE(item("Showparameters1").checked());
        EXPECT_EQ(host.messages.size(), 1u) << c.command;
    }
    writeBytes("CA/ca31.dat", {2});
    m.squareField[0] = 0;
    wb.run("Sh411Click");
    EXPECT_EQ(m.squareField[0], 2);
}

// The theory check of 'Prediction' "Yes" moves stepTime to 20 as the trial
// ends; the tally is the run's own length either way.
TEST(T6Sweep, TheTallyIsTheRunsLengthWithOrWithoutPrediction) {
    int32_t tallies[2] = {};
    for (int prediction : {0, 1}) { // "Yes", "No"
        TempWorkdir dir;
        RecordingHost host;
        Workbench wb{&host};
        wb.startUp();
        wb.form1().RadioGroup12.setItemIndex(prediction);
        wb.run("Begim1Click");
        wb.run("Timer6Timer");
        for (int k = 0; k < 5000 && wb.form1().Timer1.enabled(); ++k)
            wb.run("Timer1Timer");
        tallies[prediction] = wb.state<T6State>().t6Tallies[0];
    }
    EXPECT_EQ(tallies[0], tallies[1]);
    EXPECT_NE(tallies[0], 20);
}

TEST_F(T6, TheSweepClearsWithTheMainClearAndDrawsNoFrame) {
    int mainClear = 0, initialClear = 0;
    wb.commands().replace("Button8Click", [&] { ++mainClear; });
    wb.commands().replace("Clear1Click", [&] { ++initialClear; });
    wb.run("Begim1Click");
    wb.run("Timer6Timer");
    EXPECT_EQ(mainClear, 2);
    EXPECT_EQ(initialClear, 0);
}

// The user's 'Stop', or any trial set-up of theirs, ends the sweep: their
// next run is not tallied and Timer6 sets up nothing more.
TEST_F(T6, StopOrAUserSetUpEndsThePendingSweep) {
    const std::vector<std::vector<const char*>> setUps = {{"Button7Click", "Button58Click"},
                                                          {"Button58Click"},
                                                          {"Button106Click"},
                                                          {"XXX1Click"},
                                                          {"Button93Click"},
                                                          {"Button101Click"},
                                                          {"ReadCA1Click"},
                                                          {"Button22Click"},
                                                          {"Rsq31Click"},
                                                          {"sq41Click"},
                                                          {"Rsq51Click"},
                                                          {"N159101Click"}};
    for (const auto& handlers : setUps) {
        const std::string setUp = handlers.back();
        wb.run("Begim1Click");
        wb.run("Timer6Timer");
        for (const char* handler : handlers)
            wb.run(handler);
        wb.run("Button6Click"); // 'GO'
        runTrial();
        wb.run("Timer6Timer");
        EXPECT_EQ(s.t6Trial, 0) << setUp;
        EXPECT_EQ(s.t6Tallies[0], 0) << setUp;
        EXPECT_FALSE(f.Timer6.enabled()) << setUp;
    }
}

// The capped trial's last step is the one the status bar shows.
TEST_F(T6, ACappedTrialShowsItsLastStep) {
    wb.state<ImproveState>().timeAll = 7;
    wb.run("Begim1Click");
    wb.run("Timer6Timer");
    runTrial();
    EXPECT_EQ(s.t6Tallies[0], 7);
    EXPECT_EQ(f.StatusBar1.text(), std::to_string(m.stepTime));
}

TEST_F(T6, IzAcjunApresFlipsAndRedraws) {
    int redraws = 0;
    wb.commands().replace("Button3Click", [&] { ++redraws; });
    const bool before = item("XXXn1").checked();
    item("XXXn1").userClick();
    EXPECT_NE(item("XXXn1").checked(), before);
    EXPECT_EQ(redraws, 1);
}
