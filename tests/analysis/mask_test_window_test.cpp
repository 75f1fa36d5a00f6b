// The mask test window: which square each box shows, the stock patterns,
// opening the window, start-up and the '70' preset loaders.
#include "analysis/mask_pattern.h"
#include "analysis/tform13.h"
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace rca;
using namespace filestest;

namespace {

struct MaskWindow : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    TForm13& f = *dynamic_cast<TForm13*>(wb.form("TForm13"));
    MaskWindow() { wb.startUp(); }

    std::set<int> checkedBoxes() const {
        std::set<int> out;
        for (int b = 1; b <= maskBoxes; ++b)
            if (f.box(b).checked()) out.insert(b);
        return out;
    }
    std::set<int> shownPanels() const {
        std::set<int> out;
        for (int p = 2; p <= 15; ++p)
            if (f.findAs<Panel>("Panel" + std::to_string(p))->visible()) out.insert(p);
        return out;
    }
    std::set<int> checkedPresetBoxes() const {
        std::set<int> out;
        for (int n = 15; n <= 21; ++n)
            if (f.findAs<CheckBox>("CheckBox" + std::to_string(n))->checked()) out.insert(n);
        return out;
    }
};

std::set<int> span(int first, int last, std::set<int> more = {}) {
    for (int b = first; b <= last; ++b)
        more.insert(b);
    return more;
}

struct SquareCase {
    int box, panel, x, y;
};

// Column k at x 104 - 16k, row r at y 128 - 16r.
const SquareCase squareCases[] = {
    {1, 2, 104, 128},  {2, 3, 104, 112}, {3, 4, 88, 128},  {4, 5, 88, 112},  {5, 6, 88, 96},
    {6, 7, 72, 128},   {7, 8, 72, 112},  {8, 9, 72, 96},   {11, 10, 72, 80}, {9, 11, 56, 128},
    {10, 12, 56, 112}, {12, 13, 56, 96}, {13, 14, 56, 80}, {14, 15, 56, 64},
};

TEST_F(MaskWindow, EachBoxShowsItsOwnSquareAtItsPlace) {
    for (const SquareCase& c : squareCases) {
        SCOPED_TRACE("box " + std::to_string(c.box));
        const MaskSquare s = maskSquareOf(c.box);
        EXPECT_EQ(s.panel, c.panel);
        Panel& p = f.squareOf(c.box);
        EXPECT_EQ(p.name(), "Panel" + std::to_string(c.panel));
        EXPECT_EQ(p.geometry().x, c.x);
        EXPECT_EQ(p.geometry().y, c.y);
        EXPECT_EQ(p.geometry().w, 17);
        EXPECT_EQ(p.color(), clBlack);
        // Only this box unticked hides only this square.
        for (int b = 1; b <= maskBoxes; ++b)
            f.box(b).setChecked(true);
        f.box(c.box).userClick();
        EXPECT_EQ(shownPanels().count(c.panel), 0u);
        EXPECT_EQ(shownPanels().size(), 13u);
    }
    EXPECT_THROW(maskSquareOf(15), std::out_of_range);
}

struct StockCase {
    const char* control;
    std::set<int> boxes;
};

const StockCase stockCases[] = {
    {"CheckBox15", span(1, 14)},
    {"CheckBox16", span(1, 7)},
    {"CheckBox17", span(1, 11)},
    {"CheckBox18", {9, 10, 12, 13, 14}},
    {"CheckBox19", {1, 2, 3, 5, 6, 9, 11, 14}},
    {"CheckBox20", {3, 4, 5, 9, 10, 12, 13, 14}},
    {"CheckBox21", {1, 3, 4, 5, 6, 9, 10, 12, 13, 14}},
    {"Button6", span(1, 12)},
    {"Button7", span(2, 11)},
    {"Button8", span(5, 11)},
    {"Button9", {6, 7}},
    {"Button10", {8, 10, 14}},
    {"Button11", {1, 3, 4, 6, 9}},
    {"Button12", {2, 3, 5, 6, 7, 9}},
    {"Button13", {6, 7, 8, 14}},
};

TEST_F(MaskWindow, StockPatternsSetEveryBoxAndItsSquare) {
    wb.run("Showt61Click");
    for (const StockCase& c : stockCases) {
        SCOPED_TRACE(c.control);
        // Another stock pattern in place first, with its preset box checked.
        const std::string name = c.control;
        const bool isBox = name.rfind("CheckBox", 0) == 0;
        auto& other = name == "CheckBox15" ? f.CheckBox16 : isBox ? f.CheckBox15 : f.CheckBox20;
        other.setChecked(true);
        if (isBox)
            f.findAs<CheckBox>(name)->userClick();
        else
            f.findAs<Button>(name)->userClick();
        EXPECT_EQ(checkedBoxes(), c.boxes);
        std::set<int> panels;
        for (int b : c.boxes)
            panels.insert(maskSquareOf(b).panel);
        EXPECT_EQ(shownPanels(), panels);
        std::set<int> presets;
        if (isBox) presets.insert(std::stoi(name.substr(8)));
        EXPECT_EQ(checkedPresetBoxes(), presets);
    }
}

TEST_F(MaskWindow, CheckBox18LeavesOnlyTheLeftmostColumn) {
    f.CheckBox18.userClick();
    for (int b : checkedBoxes())
        EXPECT_EQ(f.squareOf(b).geometry().x, 56) << "box " << b;
    EXPECT_EQ(shownPanels().size(), 5u);
}

TEST_F(MaskWindow, UncheckingAPresetBoxKeepsThePattern) {
    f.CheckBox16.userClick();
    f.CheckBox3.userClick();  // 3 off by hand
    f.CheckBox16.userClick(); // the preset box off
    EXPECT_EQ(checkedBoxes(), std::set<int>({1, 2, 4, 5, 6, 7}));
    EXPECT_FALSE(f.CheckBox16.checked());
    EXPECT_EQ(shownPanels().count(maskSquareOf(3).panel), 0u);
}

TEST_F(MaskWindow, StartUpTicksTheBoxesAndOpeningSelectsCircle) {
    EXPECT_EQ(checkedBoxes(), span(1, 8, {11}));
    EXPECT_EQ(shownPanels(), std::set<int>({2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(f.Label1.visible());

    // Squares follow boxes changed from code while the window is closed.
    f.CheckBox2.setChecked(false);
    EXPECT_FALSE(f.Panel3.visible());

    f.CheckBox17.setChecked(true);
    wb.form1().RadioGroup2.setItemIndex(0);
    wb.model().borderMode = 0;
    wb.run("Showt61Click");
    EXPECT_EQ(wb.form1().RadioGroup2.itemIndex(), 1);
    EXPECT_EQ(wb.model().borderMode, 1);
    EXPECT_TRUE(f.Label1.visible());
    EXPECT_TRUE(checkedPresetBoxes().empty());
    EXPECT_EQ(checkedBoxes(), span(1, 11)); // the preset's pattern survives opening
    EXPECT_EQ(wb.form1().find("Showt61")->caption(), "(F) Show mask");
}

struct PresetCase {
    const char* button;
    const char* file;
    bool showsLength;
};

const PresetCase presetCases[] = {
    {"Button14", "CA/ca70.dat", true},    {"Button15", "CA/ca70_2.dat", false},
    {"Button16", "CA/ca70_5.dat", false}, {"Button17", "CA/ca70_4.dat", false},
    {"Button18", "CA/ca70_3.dat", false},
};

TEST_F(MaskWindow, PresetButtonsLoadOneByteAndSetTheExtents) {
    for (const PresetCase& c : presetCases) {
        SCOPED_TRACE(c.button);
        wb.form1().Edit1.setText("11");
        wb.model().squareRows = wb.model().squareCols = 5;
        wb.model().squareField[0] = 0;
        wb.model().squareField[1] = 9;
        writeBytes(c.file, {7, 1, 1});
        f.findAs<Button>(c.button)->userClick();
        EXPECT_EQ(wb.model().squareField[0], 7);
        EXPECT_EQ(wb.model().squareField[1], 9);
        EXPECT_EQ(wb.model().squareRows, 70);
        EXPECT_EQ(wb.model().squareCols, 70);
        EXPECT_EQ(wb.form1().Edit1.text(), c.showsLength ? "70" : "11");
        EXPECT_EQ(wb.model().lineLength, c.showsLength ? 70 : 11);
        EXPECT_TRUE(host.messages.empty());
        fs::remove(c.file);
    }
}

TEST_F(MaskWindow, AMissingPresetOrNumberIsReportedAndLoadsNothing) {
    wb.model().squareField[0] = 1;
    f.Button15.userClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("CA/ca70_2.dat"), std::string::npos);

    writeBytes("CA/ca70_4.dat", {});
    f.Button17.userClick();
    EXPECT_EQ(host.messages.size(), 2u);

    writeBytes("CA/ca70_3.dat", {5});
    wb.form1().Edit10.setText("4");
    f.Button14.userClick();
    EXPECT_EQ(wb.model().squareField[0], 5); // number 4 is the fifth file
    wb.form1().Edit10.setText("5");
    f.Button14.userClick();
    EXPECT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(wb.model().squareField[0], 5);
}

} // namespace
