// The IMPROVE menu, its driver and its snapshots; the FREEZE menu.
#include "analysis/improve_state.h"
#include "analysis/tform11.h"
#include "app/workbench.h"
#include "files/rca_codec.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

struct Improve : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();
    MainControls& f = wb.form1();
    ImproveState& s = wb.state<ImproveState>();

    void SetUp() override {
        wb.startUp();
        RcaTable base{};
        writeBytes("IMPROVE/imp000.dat", {base.begin(), base.end()});
    }
    // Timer1 ticks until the run stops (the trial's end or a limit).
    void runTrial() {
        for (int k = 0; k < 5000 && f.Timer1.enabled(); ++k)
            wb.run("Timer1Timer");
    }
};

} // namespace

TEST_F(Improve, FirstTrialShowsTheEntryBeforeItsAdvanceAndFlipsTheNext) {
    struct Case {
        std::vector<int> masked;
        int flipped;
    };
    for (const Case& c : {Case{{}, 1}, Case{{1, 2}, 3}}) {
        RcaTable base{};
        for (int e : c.masked)
            base[rcaPlane + e] = 1;
        writeBytes("IMPROVE/imp000.dat", {base.begin(), base.end()});
        wb.run("DO1Click");
        EXPECT_TRUE(f.Timer5.enabled());
        EXPECT_EQ(s.improveCount, 1);
        wb.run("Timer5Timer");
        EXPECT_EQ(f.StatusBar1.text(), "  Vcrit= 0  NTimpr= 0");
        EXPECT_EQ(s.improveEntry, c.flipped);
        for (int e = 0; e < 5; ++e)
            EXPECT_EQ(m.rcaTable[e], e == c.flipped ? 1 : 0) << e;
        EXPECT_FALSE(f.Timer5.enabled());
        EXPECT_TRUE(f.Timer1.enabled());
        EXPECT_EQ(m.stepTime, 0);
        EXPECT_EQ(m.lineIDone + m.lineIIDone, 0);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Improve, TheSearchStopsAtTheEndOfTheTable) {
    f.Edit2.setText("1");
    wb.open(*wb.form("TForm11"));
    auto& n0 = static_cast<TForm11*>(wb.form("TForm11"))->Edit3;
    n0.userType("99999");
    EXPECT_EQ(s.improveStart, 1124); // 'N0=' bounded
    n0.userType("-3");
    EXPECT_EQ(s.improveStart, 0);
    n0.userType("1123");
    wb.run("DO1Click");
    wb.run("Timer5Timer"); // flips 1124, the last entry
    EXPECT_EQ(m.rcaTable[1124], 1);
    runTrial();
    EXPECT_TRUE(f.Timer5.enabled()); // armed again after the trial
    const RcaTable after = m.rcaTable;
    wb.run("Timer5Timer");
    EXPECT_FALSE(f.Timer5.enabled());
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_NE(f.StatusBar1.text().find("no unmasked entry"), std::string::npos);
    EXPECT_EQ(m.rcaTable, after); // entry 0 is not touched
}

// Accepted trials are written under consecutive numbers and keep their
// flip; a rejected one is undone and writes nothing.
TEST_F(Improve, TheDriverAcceptsAndRejects) {
    s.timeCrit = 0; // any trial the check ends is an improvement
    s.timeAll = 600;
    wb.run("DO1Click");
    wb.run("Timer5Timer");
    runTrial();
    ASSERT_TRUE(m.lineIDone && m.lineIIDone) << "the check ends this trial";
    EXPECT_TRUE(s.improveAccepted);
    EXPECT_EQ(s.criticalValue, m.stepTime);
    EXPECT_EQ(s.improveCount, 2);
    EXPECT_EQ(s.improveEntries[1], 1);
    EXPECT_EQ(s.improveValues[1], s.criticalValue);
    const auto bytes = readBytes("IMPROVE/imp001.dat");
    ASSERT_EQ(bytes.size(), 2250u);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(m.rcaTable[1], 1);

    s.timeCrit = 100000; // now nothing is good enough
    wb.run("Timer5Timer");
    EXPECT_EQ(m.rcaTable[2], 1);
    runTrial();
    EXPECT_FALSE(s.improveAccepted);
    EXPECT_EQ(m.rcaTable[2], 0);
    EXPECT_EQ(s.improveCount, 2);
    EXPECT_FALSE(fs::exists("IMPROVE/imp002.dat"));

    // A trial the check does not end by timeAll is stopped there and rejected.
    s.timeCrit = 0;
    s.timeAll = 1;
    wb.run("Timer5Timer");
    runTrial();
    EXPECT_EQ(s.criticalValue, 1);
    EXPECT_FALSE(s.improveAccepted);
    EXPECT_EQ(m.rcaTable[3], 0);

    wb.run("Stop1Click");
    s.timeAll = 600;
    wb.run("Timer5Timer");
    runTrial();
    EXPECT_FALSE(f.Timer5.enabled()); // 'Stop' ends the search after this trial
}

// 'Reverse' counts stepTime down; the cap counts the steps the trial ran.
TEST_F(Improve, TheCapHoldsWhenTheRunGoesBackwards) {
    s.timeCrit = 0;
    s.timeAll = 5;
    wb.run("DO1Click");
    wb.run("Timer5Timer");
    m.reverseMode = true;
    runTrial();
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(s.criticalValue, 5);
    // The status bar shows the capped step, not the one before it.
    EXPECT_EQ(m.stepTime, -5);
    EXPECT_EQ(f.StatusBar1.text(), "-5");
    EXPECT_EQ(m.rcaTable[1], 0) << "the rejected flip is undone";
    EXPECT_TRUE(f.Timer5.enabled());
}

TEST_F(Improve, RecordingNumbersAndLimits) {
    struct Case {
        int32_t count;
        bool folder;
        const char* file; // nullptr: nothing written
        int32_t countAfter;
        bool reported;
    };
    const Case cases[] = {
        {7, true, "IMPROVE/imp007.dat", 8, false}, {100, true, "IMPROVE/imp100.dat", 101, false},
        {0, true, "IMPROVE/imp001.dat", 2, false}, // never over the base
        {5000, true, nullptr, 5000, true},         {3, false, nullptr, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        host.messages.clear();
        if (!c.folder) fs::remove_all("IMPROVE");
        m.rcaTable.fill(0);
        m.rcaTable[10] = 1; // the trial's flip
        s.improveEntry = 10;
        s.criticalValue = 321;
        s.improveAccepted = true;
        s.improveCount = c.count;
        wb.run("Button45Click");
        EXPECT_EQ(s.improveCount, c.countAfter);
        EXPECT_EQ(host.messages.size(), c.reported ? 1u : 0u);
        if (c.file) {
            EXPECT_EQ(readBytes(c.file),
                      std::vector<uint8_t>(m.rcaTable.begin(), m.rcaTable.end()));
            EXPECT_EQ(s.improveValues[c.countAfter - 1], 321);
            EXPECT_EQ(s.improveEntries[c.countAfter - 1], 10);
        } else {
            EXPECT_EQ(m.rcaTable[10], 0); // refused: undone
        }
    }
    EXPECT_FALSE(fs::exists("IMPROVE/imp000.dat"));
}

TEST_F(Improve, MissingOrShortBaseIsReported) {
    writeBytes("IMPROVE/imp000.dat", std::vector<uint8_t>(100, 1));
    m.rcaTable.fill(0);
    wb.run("Begon1Click");
    EXPECT_EQ(m.rcaTable[99], 1);
    EXPECT_EQ(m.rcaTable[100], 0);
    fs::remove("IMPROVE/imp000.dat");
    wb.run("DO1Click");
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].find("short"), std::string::npos);
    EXPECT_NE(host.messages[1].find("missing"), std::string::npos);
    EXPECT_EQ(m.stepsPerPress, 1);
    EXPECT_EQ(m.borderMode, 0);
    EXPECT_EQ(s.sdValue, 5);
}

TEST_F(Improve, PeriodMarksFromTheStartUpState) {
    auto& t2 = *f.findAs<MenuItem>("T21");
    auto& t3 = *f.findAs<MenuItem>("T31");
    EXPECT_TRUE(t2.checked());
    EXPECT_FALSE(t3.checked());
    for (MenuItem* first : {&t2, &t3})
        for (MenuItem* second : {&t2, &t3}) {
            t2.setChecked(true);
            t3.setChecked(false);
            first->userClick();
            EXPECT_FALSE(t2.checked());
            EXPECT_TRUE(t3.checked());
            second->userClick();
            EXPECT_TRUE(t2.checked());
            EXPECT_FALSE(t3.checked());
        }
    EXPECT_EQ(f.findAs<RadioGroup>("RadioGroupSd")->itemIndex(), 5);
}

TEST_F(Improve, WindowShowsTheRecords) {
    s.improveCount = 3;
    s.improveValues[0] = 11;
    s.improveValues[2] = 33;
    s.improveEntries[2] = 44;
    s.timeCrit = 55;
    auto& w = *static_cast<TForm11*>(wb.form("TForm11"));
    wb.run("ShowIMPROOVE1Click");
    EXPECT_EQ(w.Edit1.text(), "55");
    EXPECT_EQ(w.Label4.caption(), "3");
    EXPECT_EQ(w.values[0]->caption(), "11");
    EXPECT_EQ(w.Label5.caption(), "33");
    EXPECT_EQ(w.Label6.caption(), "44");
    w.Edit2.userType("250");
    EXPECT_EQ(s.timeAll, 250);
}
