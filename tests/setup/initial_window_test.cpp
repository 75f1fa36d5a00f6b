// 'Show initial' (TForm3): what it shows, what typing stores, what 'DO' builds.
#include "app/workbench.h"
#include "setup/tform3.h"

#include <gtest/gtest.h>

using namespace rca;

namespace {

struct InitialWindow : ::testing::Test {
    Workbench wb;
    Model& m = wb.model();
    TForm3& f = *dynamic_cast<TForm3*>(wb.form("TForm3"));
    void SetUp() override { wb.startUp(); }
};

} // namespace

TEST_F(InitialWindow, OpeningShowsTheStartUpPointsAndChangesNothing) {
    const auto before = m.bPositions;
    const Line lineBefore = m.lineI;
    wb.run("Showinitial1Click");
    EXPECT_EQ(f.Edit1.text(), "0");
    EXPECT_EQ(f.Edit2.text(), "8");
    EXPECT_EQ(f.Edit11.text(), "11");
    const auto b = f.bRows();
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(b[k][0]->text(), std::to_string(m.bPositions[k])) << k;
        EXPECT_EQ(b[k][1]->text(), std::to_string(m.bPositionsY[k])) << k;
    }
    EXPECT_EQ(f.Edit12.text(), "0"); // the left rows 3..8 only show their "0"
    EXPECT_EQ(m.bPositions, before);
    EXPECT_EQ(m.bPointCount, 8);
    EXPECT_EQ(m.lineI, lineBefore);
}

TEST_F(InitialWindow, TypedValuesAreStoredInsideTheirRanges) {
    wb.run("Showinitial1Click");
    struct Case {
        Edit* field;
        const char* text;
        const int32_t* value;
        int32_t want;
    };
    const Case cases[] = {
        {&f.Edit2, "3", &m.bPointCount, 3},
        {&f.Edit2, "99999", &m.bPointCount, 99999},
        {&f.Edit2, "99999", &m.bPositionCount, maxPoints},
        {&f.Edit1, "-5", &m.cPositionCount, 0},
        {&f.Edit11, "500", &m.squareCols, 131},
        {&f.Edit11, "-1", &m.squareCols, 0},
    };
    for (const Case& c : cases) {
        c.field->userType(c.text);
        EXPECT_EQ(*c.value, c.want) << c.field->name() << " " << c.text;
    }
    f.Edit3.userType("70000");
    f.Edit10.userType("-70000");
    EXPECT_EQ(m.cPositions[0], 32767);
    EXPECT_EQ(m.bPositionsY[1], -32768);
}

TEST_F(InitialWindow, ThreeTypedBPointsMakeThreeDraws) {
    wb.run("Showinitial1Click");
    f.Edit2.userType("3");
    f.close();
    wb.run("Button58Click");
    EXPECT_EQ(m.bPositionCount, 3);
}

TEST_F(InitialWindow, DoFillsTheSquareFromTheBPoints) {
    wb.run("Showinitial1Click");
    m.squareField.fill(C);
    m.bPositions.fill(2);
    m.bPositionsY.fill(3); // B points 1..7 at 5 and 6
    f.Edit7.userType("4");
    f.Edit8.userType("4"); // B point 0 at 8 and 9
    const Line lineBefore = m.lineI;
    wb.form1().Timer1.setEnabled(true);
    m.stepTime = 40;
    f.Button1.userClick();
    EXPECT_EQ(m.squareField[5], B);
    EXPECT_EQ(m.squareField[6], B);
    EXPECT_EQ(m.squareField[8], B);
    EXPECT_EQ(m.squareField[9], B);
    EXPECT_EQ(m.squareField[7], A);
    EXPECT_EQ(m.squareField[0], A);        // the grid of row length 131 covers it
    EXPECT_EQ(m.squareField[131], A);      // grid row 1
    EXPECT_EQ(m.squareField[131 + 11], C); // past the 11 columns of the grid
    EXPECT_EQ(m.squareField[21], A);       // the mask fill reaches x + y + 1 = 21
    EXPECT_EQ(m.squareField[22], C);
    EXPECT_EQ(m.cPositionCount, 0);
    EXPECT_EQ(m.bPositionCount, 8);
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.lineI, lineBefore);
    EXPECT_FALSE(wb.form1().Timer1.enabled());
}
