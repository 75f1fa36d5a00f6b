// The change explorer: the grey picture and its sum, pressing a cell, the
// bar charts and '-TEMP/2'.
#include "analysis/change_matrix.h"
#include "analysis/tform10.h"
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "view/colors.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace rca;
using namespace filestest;

namespace {

constexpr int32_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t int32Min = std::numeric_limits<int32_t>::min();

struct ChangeExplorer : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    TForm10& f = *dynamic_cast<TForm10*>(wb.form("TForm10"));
    ChangeMatrix& m = wb.state<ChangeState>().changeMatrix;
    ChangeExplorer() {
        wb.startUp();
        wb.run("showCHANGE21Click");
    }
    uint32_t pixel(int x, int y) { return f.surface()->pixel(x, y); }
    // The middle pixel of cell (row, column).
    uint32_t cell(int row, int column) { return pixel(6 * column + 3, 6 * row + 3); }
    void press(int x, int y) { wb.mouse("TForm10", {MouseEvent::Kind::Down, x, y}); }
    std::string bars(const Chart& c) { return c.describe().substr(0, c.describe().find('\n')); }
};

TEST_F(ChangeExplorer, PaintsEachValueAsAGreyBetweenTheExtremes) {
    m.fill(10);
    m[0] = -3000000;           // the minimum, black
    m[69 * 70 + 69] = 5000000; // the maximum, white
    m[2 * 70 + 7] = 1000000;   // half way
    f.Button3.userClick();
    EXPECT_EQ(cell(0, 0), greyLevel(0));
    EXPECT_EQ(cell(69, 69), clWhite);
    EXPECT_EQ(cell(2, 7), greyLevel(0.5));
    EXPECT_EQ(cell(2, 7), 127u * 0x010101u);
    EXPECT_EQ(cell(1, 1), greyLevel(3000010.0 / 8000000.0));
    // Each cell is 6 x 6: (2, 7) covers x 42 .. 47, y 12 .. 17.
    EXPECT_EQ(pixel(42, 12), cell(2, 7));
    EXPECT_EQ(pixel(47, 17), cell(2, 7));
    EXPECT_NE(pixel(48, 17), cell(2, 7));
    EXPECT_EQ(f.Label1.caption(), std::to_string(int64_t{4897} * 10 - 3000000 + 5000000 + 1000000));
}

TEST_F(ChangeExplorer, EqualValuesShowOnlyTheSumAndErase) {
    m.fill(3);
    m[100] = 0;
    f.Button3.userClick();
    ASSERT_NE(cell(1, 30), clBtnFace);
    m.fill(7);
    f.Button3.userClick();
    EXPECT_EQ(f.Label1.caption(), "34300");
    for (int y = 0; y < 421; y += 20)
        for (int x = 0; x < 421; x += 20)
            ASSERT_EQ(pixel(x, y), clBtnFace) << x << "," << y;
}

// The true sum and an extreme range: neither overflows 32 bits.
TEST_F(ChangeExplorer, ExtremeValuesGiveTheTrueSumAndBothEnds) {
    m.fill(int32Max);
    m[5] = int32Min;
    f.Button3.userClick();
    EXPECT_EQ(f.Label1.caption(), std::to_string(int64_t{4899} * int32Max + int32Min));
    EXPECT_EQ(cell(0, 5), greyLevel(0));
    EXPECT_EQ(cell(0, 6), clWhite);
    EXPECT_DOUBLE_EQ(changeFraction(0, int32Min, int32Max), 2147483648.0 / 4294967295.0);
}

TEST_F(ChangeExplorer, APressAtTheFarCornerWithA131SquareStaysInside) {
    for (int i = 0; i < 70 * 70; ++i)
        m[i] = i;
    wb.model().squareRows = 131;
    press(419, 419);
    EXPECT_EQ(f.Label2.caption(), "69");
    EXPECT_EQ(f.Label3.caption(), "69");
    EXPECT_EQ(f.Label1.caption(), std::to_string(69 * 70 + 69));
    ASSERT_EQ(f.Chart5.series()[0].points.size(), 70u);
    EXPECT_EQ(f.Chart5.series()[0].points.back().y, 69 * 70 + 69);
    EXPECT_EQ(f.Chart6.series()[0].points.size(), 70u);
    // The cross at 3 * (419 div 3) + 1 = 418 both ways, in green.
    EXPECT_EQ(pixel(418, 10), 0x008000u);
    EXPECT_EQ(pixel(10, 418), 0x008000u);

    press(-40, 5000); // from a script: both ways clamped
    EXPECT_EQ(f.Label2.caption(), "0");
    EXPECT_EQ(f.Label3.caption(), "69");
    EXPECT_EQ(f.Label1.caption(), std::to_string(69 * 70));
}

TEST_F(ChangeExplorer, TheSecondChartShowsTheRowNumberedByTheColumn) {
    for (int i = 0; i < 70 * 70; ++i)
        m[i] = i;
    wb.model().squareRows = 4;
    press(30, 54); // column trunc(33 / 6) = 5, row trunc(57 / 6) = 9
    EXPECT_EQ(f.Label2.caption(), "5");
    EXPECT_EQ(f.Label3.caption(), "9");
    EXPECT_EQ(bars(f.Chart5), "row Y: 0,630 1,631 2,632 3,633");
    EXPECT_EQ(bars(f.Chart6), "row X: 0,350 1,351 2,352 3,353");
    wb.model().squareRows = -5;
    press(30, 54);
    EXPECT_TRUE(f.Chart5.series()[0].points.empty());
}

TEST_F(ChangeExplorer, OpeningShowsTheStoredEditsAndHidesTheSpareControls) {
    f.Edit1.userType("77");
    f.Edit3.userType("x");
    EXPECT_EQ(wb.fields().print("changeEdit1"), "77");
    EXPECT_EQ(wb.fields().print("changeEdit3"), "0");
    wb.fields().set("changeEdit2", "-5");
    f.RadioGroup1.userSelect(2);
    wb.run("showCHANGE21Click");
    EXPECT_EQ(f.Edit2.text(), "-5");
    EXPECT_EQ(f.RadioGroup1.itemIndex(), 0);
    EXPECT_EQ(f.RadioGroup2.itemIndex(), 0);
    EXPECT_FALSE(f.RadioGroup3.visible());
    EXPECT_FALSE(f.Button2.visible());
}

TEST(ChangeMatrixTemp, HalvesAndNegatesTowardZero) {
    struct Case {
        int32_t from, to;
    };
    const Case cases[] = {
        {7, -3}, {-7, 3}, {0, 0}, {1, 0}, {int32Max, -1073741823}, {int32Min, 1073741824}};
    ChangeMatrix m{};
    for (size_t i = 0; i < std::size(cases); ++i)
        m[i * 700] = cases[i].from;
    halveAndNegate(m);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(m[i * 700], cases[i].to) << cases[i].from;
}

} // namespace
