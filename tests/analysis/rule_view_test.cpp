// The rule view window through the workbench: opening it, mouse editing,
// the profile file, the red interval marks and the charts.
#include "analysis/rule_table_edits.h"
#include "analysis/rule_view_state.h"
#include "analysis/tform6.h"
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

using namespace rca;
using namespace filestest;

namespace {

struct RuleView : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    RuleViewState& s = wb.state<RuleViewState>();
    TForm6& f = *dynamic_cast<TForm6*>(wb.form("TForm6"));
    RcaTable& table = wb.model().rcaTable;
    RuleView() {
        wb.startUp();
        wb.run("ShowCA1Click");
    }
    void drag(int x0, int y0, int x1, int y1, MouseButton b = MouseButton::Left) {
        wb.mouse("TForm6", {MouseEvent::Kind::Down, x0, y0, b});
        wb.mouse("TForm6", {MouseEvent::Kind::Up, x1, y1, b});
    }
    uint32_t pixel(int x, int y) { return f.surface()->pixel(x, y); }
};

std::vector<uint8_t> profileBytes(const std::vector<double>& values) {
    std::vector<uint8_t> out;
    for (double v : values)
        for (int k = 0; k < 8; ++k)
            out.push_back(static_cast<uint8_t>(std::bit_cast<uint64_t>(v) >> (8 * k)));
    return out;
}

TEST_F(RuleView, StartUpSetsTheGeneratorAndTheWeights) {
    EXPECT_EQ(f.RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(s.beginShape, 0);
    for (double w : s.columnWeights)
        EXPECT_EQ(w, 0.21);
    for (double w : s.rowWeights)
        EXPECT_EQ(w, 0.21);
    EXPECT_EQ(wb.fields().print("chartRow2"), "7");
}

// Entry (1, 2, 3, 4): cell at x 434, y 98.
TEST_F(RuleView, LeftClickTogglesOneEntryAndItsPicture) {
    const int index = rcaIndex(1, 2, 3, 4);
    const RcaTable before = table;
    const uint32_t edge = pixel(440, 98);
    drag(439, 103, 439, 103);
    for (int i = 0; i < rcaTableBytes; ++i)
        ASSERT_EQ(table[i], i == index ? 1 : before[i]) << "byte " << i;
    EXPECT_NE(pixel(440, 98), edge);
    drag(439, 103, 439, 103);
    EXPECT_EQ(table, before);
    EXPECT_EQ(pixel(440, 98), edge);
}

TEST_F(RuleView, RightClickShowsTheEntryAndItsCount) {
    s.usageCounts[rcaIndex(1, 2, 3, 4)] = 77;
    drag(439, 103, 439, 103, MouseButton::Right);
    EXPECT_EQ(f.Label1.caption(), "77");
    EXPECT_EQ(f.Label2.caption() + f.Label3.caption() + f.Label4.caption() + f.Label5.caption(),
              "1234");
    EXPECT_EQ(table[rcaIndex(1, 2, 3, 4)], 0);
}

TEST_F(RuleView, DragsThroughTheWindowMoveTheProfilesAndRepaint) {
    drag(185, 425, 185, 439); // zone 2 below column 13, +0.2
    for (int k = 0; k < ruleColumns; ++k)
        EXPECT_NEAR(s.columnWeights[k], k % 9 == 4 ? 0.41 : 0.21, 1e-12) << k;
    // The profile segment of column 13 now lies at y = 350 + trunc(70 * 0.41) = 378.
    EXPECT_EQ(pixel(188, 378), 0x008000u);
    const auto columns = s.columnWeights;
    const auto rows = s.rowWeights;
    drag(705, 425, 600, 300); // from the corner: nothing
    EXPECT_EQ(s.columnWeights, columns);
    EXPECT_EQ(s.rowWeights, rows);
    wb.mouse("TForm6", {MouseEvent::Kind::Up, 185, 500, MouseButton::Left}); // no press
    EXPECT_EQ(s.columnWeights, columns);
}

TEST_F(RuleView, BulkButtonsActOnTheModelsTable) {
    table[rcaPlane + 5] = 3;
    table[5] = 1;
    wb.run("TForm6.Button8Click"); // 'Make Invert (T=3)'
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[6], 1);
    wb.run("TForm6.Button7Click"); // 'Make clear (T=2)'
    EXPECT_EQ(table[6], 0);
    EXPECT_EQ(table[5], 1);
    s.usageCounts[6] = 258;
    wb.run("TForm6.Button10Click"); // 'Manual'
    EXPECT_EQ(table[rcaPlane + 6], 2);
    wb.run("TForm6.Button13Click"); // 'Nac = 0'
    EXPECT_EQ(s.usageCounts[6], 0);
    wb.run("TForm6.Button9Click"); // 'mask=0'
    EXPECT_TRUE(std::all_of(table.begin() + rcaPlane, table.end(), [](uint8_t b) { return !b; }));

    wb.model().randomState = 1;
    wb.run("TForm6.Button14Click"); // 'RANDOM'
    EXPECT_EQ(wb.model().randomState, 2255034546u);
    EXPECT_EQ(std::count(table.begin(), table.begin() + rcaPlane, 1), 561);
}

TEST_F(RuleView, ProfileFileRoundTripAndTheStartFile) {
    // init-workdir wrote 70 weights of 0.21.
    s.columnWeights.fill(0.9);
    s.rowWeights.fill(0.9);
    wb.run("TForm6.Button15Click");
    EXPECT_EQ(s.columnWeights[44], 0.21);
    EXPECT_EQ(s.rowWeights[24], 0.21);
    for (int k = 0; k < ruleColumns; ++k)
        s.columnWeights[k] = k / 44.0;
    for (int r = 0; r < ruleRows; ++r)
        s.rowWeights[r] = 1 - r / 24.0;
    const auto columns = s.columnWeights;
    const auto rows = s.rowWeights;
    wb.run("TForm6.Button16Click");
    EXPECT_EQ(readBytes("data/dxx.dat").size(), 560u);
    s.columnWeights.fill(0);
    s.rowWeights.fill(0);
    wb.run("TForm6.Button15Click");
    EXPECT_EQ(s.columnWeights, columns);
    EXPECT_EQ(s.rowWeights, rows);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RuleView, CorruptOrShortProfileFileIsClampedAndReported) {
    const double inf = std::numeric_limits<double>::infinity();
    // Four whole values and half of a fifth.
    auto bytes = profileBytes({std::nan(""), inf, -2.5, 0.75, 0.5});
    bytes.resize(36);
    writeBytes("data/dxx.dat", bytes);
    wb.run("TForm6.Button15Click");
    EXPECT_EQ(s.columnWeights[0], 0.0);
    EXPECT_EQ(s.columnWeights[1], 1.0);
    EXPECT_EQ(s.columnWeights[2], 0.0);
    EXPECT_EQ(s.columnWeights[3], 0.75);
    EXPECT_EQ(s.columnWeights[4], 0.21); // never half read
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].find("4 of 70"), std::string::npos);
    EXPECT_NE(host.messages[1].find("3 weights"), std::string::npos);

    fs::remove("data/dxx.dat");
    wb.run("TForm6.Button16Click");
    EXPECT_FALSE(fs::exists("data/dxx.dat")); // opened, never created
    EXPECT_EQ(host.messages.size(), 3u);
}

TEST_F(RuleView, RedMarksShowCountsJustAboveTheThreshold) {
    // Entry (0, 0, 0, 2): cell at x 28, y 0, centre (35, 7).
    s.usageCounts[2] = 30000;
    s.usageCounts[3] = 50000;
    f.CheckBox1.userClick();
    wb.run("TForm6.Button12Click"); // '=>': 30000 -> 45000
    EXPECT_EQ(s.countThreshold, 45000);
    EXPECT_EQ(f.Edit1.text(), "45000");
    EXPECT_NE(pixel(35, 7), clRed);
    EXPECT_EQ(pixel(49, 7), clRed); // 45000 < 50000 < 67500
    wb.run("TForm6.Button11Click"); // '<=': 45000 -> 22500
    EXPECT_EQ(pixel(35, 7), clRed);
    EXPECT_NE(pixel(49, 7), clRed);
}

TEST_F(RuleView, ChartsFollowTheSpinnersAndTheCounts) {
    s.usageCounts[0] = 9;                    // counts as 0
    s.usageCounts[rcaIndex(1, 1, 0, 4)] = 5; // row 6, column 4
    f.UpDown2.userClick(true);               // 'X!=' 4 -> 5
    EXPECT_EQ(s.chartColumn1, 5);
    EXPECT_EQ(f.Label6.caption(), "5");
    const auto& rowsChart = f.Chart1.series();
    const auto& columnsChart = f.Chart2.series();
    ASSERT_EQ(rowsChart[0].points.size(), 45u);
    ASSERT_EQ(rowsChart[1].points.size(), 45u);
    ASSERT_EQ(columnsChart[0].points.size(), 25u);
    ASSERT_EQ(columnsChart[1].points.size(), 25u);
    EXPECT_EQ(rowsChart[0].points[4].y, 5);
    EXPECT_EQ(columnsChart[0].points[6].y, 0); // column 5 now
    f.UpDown2.userClick(false);
    EXPECT_EQ(f.Chart2.series()[0].points[6].y, 5);
    s.chartRow1 = 0;
    wb.run("TForm6.UpDown4Click"); // back to the spinner's 6
    EXPECT_EQ(s.chartRow1, 6);
}

} // namespace
