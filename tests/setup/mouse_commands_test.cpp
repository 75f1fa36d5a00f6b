// Mouse editing through the workbench's handler for the main window.
#include "app/workbench.h"
#include "engine/random.h"

#include <gtest/gtest.h>

using namespace rca;

namespace {

struct MouseEditing : ::testing::Test {
    Workbench wb;
    Model& m = wb.model();
    void SetUp() override {
        m.cellWidth = m.cellHeight = 30;
        m.lineLength = 4;
        wb.fields().set("lineI", "ABCA");
        wb.fields().set("lineII", "BACB");
    }
    void press(int x, int y, MouseButton b = MouseButton::Left) {
        wb.mouse("TForm1", MouseEvent{MouseEvent::Kind::Down, x, y, b});
    }
    std::string lines() { return wb.fields().print("lineI") + "/" + wb.fields().print("lineII"); }
};

} // namespace

TEST_F(MouseEditing, BandEdgeDecides) {
    press(5, 59);
    EXPECT_EQ(lines(), "BBCA/AACB");
    press(5, 60);
    EXPECT_EQ(lines(), "BBCA/AACB");
}

TEST_F(MouseEditing, RightButtonTogglesAlikeAndKeepsThePairExchanged) {
    press(35, 10, MouseButton::Right);
    EXPECT_EQ(lines(), "AACA/BBCB");
    press(35, 10, MouseButton::Middle);
    EXPECT_EQ(lines(), "ABCA/BACB");
}

TEST_F(MouseEditing, CCellBecomesAThenB) {
    press(65, 0);
    EXPECT_EQ(lines(), "ABAA/BAAB");
    press(65, 0);
    EXPECT_EQ(lines(), "ABBA/BABB");
}

TEST_F(MouseEditing, PressesChangeNoTrialStateAndIgnoreFarColumns) {
    m.startLineI = m.lineI;
    m.stepTime = 14;
    m.doneTimeI = 6;
    press(3000, 0); // column 100
    press(5, 5);
    EXPECT_EQ(lines(), "BBCA/AACB");
    EXPECT_EQ(m.startLineI[0], A);
    EXPECT_EQ(m.stepTime, 14);
    EXPECT_EQ(m.doneTimeI, 6);
    // Beyond the line, inside the array: written, though no step reads it.
    m.lineI[99] = C;
    m.lineII[99] = A;
    press(99 * 30, 0);
    EXPECT_EQ(m.lineI[99], A);
    EXPECT_EQ(m.lineII[99], B);
}

TEST_F(MouseEditing, ReleasesDoNothing) {
    wb.mouse("TForm1", MouseEvent{MouseEvent::Kind::Up, 5, 5, MouseButton::Left});
    EXPECT_EQ(lines(), "ABCA/BACB");
}

TEST_F(MouseEditing, MoveShowsPositionAndReseedsOnlyWithRandomize) {
    m.randomState = 1;
    wb.mouse("TForm1", MouseEvent{MouseEvent::Kind::Move, 10, 13, MouseButton::Left});
    EXPECT_EQ(wb.form1().label("Label13").caption(), "2");
    EXPECT_EQ(wb.form1().label("Label14").caption(), "3");
    EXPECT_EQ(m.randomState, 1u);

    wb.form1().randomize2.setChecked(true);
    const uint32_t before = timeOfDaySeed();
    wb.mouse("TForm1", MouseEvent{MouseEvent::Kind::Move, 0, 0, MouseButton::Left});
    const uint32_t after = timeOfDaySeed();
    EXPECT_TRUE(m.randomState == before || m.randomState == after);
}
