// 'Write Qhist' empties its output files and starts one run; 'Read points
// from fail' reports what it could not read and sets up the square.
#include "analysis/square_window_state.h"
#include "analysis/tform15.h"
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "state/batch_outputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

using namespace rca;
using namespace filestest;

namespace {

const char* const logs[] = {"LOG/isc.log", "LOG/f3.log", "LOG/f6.log", "LOG/nb.log"};

struct SquareWindow : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();
    MainControls& f = wb.form1();
    SquareWindowState& s = wb.state<SquareWindowState>();

    void SetUp() override { wb.startUp(); }
    void write(const char* file, const std::string& text) { std::ofstream(file) << text; }
};

} // namespace

TEST_F(SquareWindow, WriteQhistAnyNEmptiesTheLogsTwiceAndStartsOneRun) {
    for (const char* log : logs)
        write(log, "old");
    for (int round = 0; round < 2; ++round) {
        wb.run("WriteQhistanyn1Click");
        for (const char* log : logs)
            EXPECT_EQ(fs::file_size(log), 0u) << log << " round " << round;
        EXPECT_TRUE(f.Timer7.enabled());
        wb.run("Timer7Timer");
        EXPECT_FALSE(f.Timer7.enabled()); // nothing arms it again
        EXPECT_TRUE(f.Timer1.enabled());
        EXPECT_EQ(s.batchIndex, 1);
        EXPECT_TRUE(s.batchRandom);
        // The files stay open while the run goes on; write into one so the
        // next round proves it is emptied although still open.
        wb.state<BatchOutputs>().streams[2] << "x" << std::flush;
        EXPECT_EQ(fs::file_size(logs[2]), 1u);
    }
    f.Button7.userClick(); // 'Stop' closes the first output
    EXPECT_FALSE(wb.state<BatchOutputs>().streams[0].is_open());
    EXPECT_TRUE(wb.state<BatchOutputs>().streams[1].is_open());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SquareWindow, WriteQhistN8ReadsRecordZeroAndClosesItsOutputAtTheEnd) {
    write("8r50/L4.dat", "old");
    m.stepTime = 77;
    wb.run("WriteQhist1Click");
    EXPECT_EQ(fs::file_size("8r50/L4.dat"), 0u);
    wb.run("Timer7Timer");
    EXPECT_EQ(m.bPositionCount, 8);
    EXPECT_EQ(m.cPositionCount, 0);
    EXPECT_EQ(m.bPositions[3], 12); // the sample record 0 of init-workdir
    EXPECT_EQ(m.bPositionsY[3], 12);
    EXPECT_EQ(m.squareField[24], B);
    EXPECT_EQ(m.squareField[25], B);
    EXPECT_TRUE(f.Timer1.enabled());
    // Past the last configuration the run stops and the output closes.
    s.batchIndex = s.batchCount;
    f.Timer7.setEnabled(true);
    wb.run("Timer7Timer");
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(wb.state<BatchOutputs>().streams[1].is_open());
}

TEST_F(SquareWindow, ReadPointsReportsWhatItCannotRead) {
    struct Case {
        const char* name;
        const char* text; // nullptr: no file
        const char* reading;
        const char* report;
    };
    const Case cases[] = {
        {"missing file", nullptr, "0", "cannot read 8r50/8r.dat"},
        {"missing record", "0 1 2 3", "1", "record 1 of 8r50/8r.dat is short: 0 of 16"},
        {"negative record", "0 1 2 3", "-1", "record numbers start at 0"},
        {"16-bit range", "0 70000 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "0",
         "1 coordinates outside -32768 .. 32767"},
        {"outside the square", "0 200 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", "0",
         "1 of the points of record 0 lie outside the 51 x 51 square"},
    };
    wb.run("WriteLOGfile1Click");
    auto& form = *static_cast<TForm15*>(wb.form("TForm15"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove("8r50/8r.dat");
        if (c.text) write("8r50/8r.dat", c.text);
        host.messages.clear();
        m.bPositions.fill(-7);
        m.stepTime = 5;
        form.Edit1.setText(c.reading);
        form.Button3.userClick();
        EXPECT_TRUE(host.reported(c.report)) << (host.messages.empty() ? "" : host.messages[0]);
        EXPECT_EQ(m.bPositionCount, 8);
        EXPECT_EQ(m.stepTime, 0);
    }
    EXPECT_EQ(m.bPositions[0], 200); // kept, but never written into the field
    EXPECT_EQ(m.lineLength, 51);
    EXPECT_EQ(m.borderMode, 1);
}
