// Cell edits of 'D', 'Make ' and the mouse, and where a press lands.
#include "setup/line_edits.h"

#include <gtest/gtest.h>

using namespace rca;

TEST(LineEdits, DAndMakeDifferOnC) {
    Line l{};
    l[0] = A, l[1] = B, l[2] = C;
    Line d = l;
    editCells(d, 3, toggleAB);
    EXPECT_EQ(d[0], B);
    EXPECT_EQ(d[1], A);
    EXPECT_EQ(d[2], A);
    Line make = l;
    editCells(make, 3, invertToB);
    EXPECT_EQ(make[0], B);
    EXPECT_EQ(make[1], A);
    EXPECT_EQ(make[2], B);
}

TEST(LineEdits, LengthsBeyondTheLineStopAtItsEnd) {
    Line l{};
    l.fill(A);
    editCells(l, 131, invertToB);
    EXPECT_EQ(l[99], B);
    editCells(l, -4, invertToB);
    EXPECT_EQ(l[0], B);
}

TEST(MousePress, TopBandAndColumns) {
    EXPECT_EQ(pressedCell(0, 0, 30, 30), 0);
    EXPECT_EQ(pressedCell(29, 59, 30, 30), 0);
    EXPECT_EQ(pressedCell(30, 59, 30, 30), 1);
    EXPECT_FALSE(pressedCell(30, 60, 30, 30));
    EXPECT_EQ(pressedCell(99 * 14, 0, 14, 14), 99);
    EXPECT_FALSE(pressedCell(100 * 14, 0, 14, 14));
}

TEST(MousePress, NoColumnOutsideTheArea) {
    EXPECT_FALSE(pressedCell(-1, 5, 30, 30));
    EXPECT_FALSE(pressedCell(5, -1, 30, 30));
    EXPECT_FALSE(pressedCell(5, 5, 0, 30));
    EXPECT_FALSE(pressedCell(5, 5, 30, 0));
    EXPECT_FALSE(pressedCell(5, 5, -30, 30));
}

TEST(MouseMove, LabelValuesTruncate) {
    EXPECT_EQ(mouseLabelValue(0), 0);    // 0.5
    EXPECT_EQ(mouseLabelValue(10), 2);   // 2.5
    EXPECT_EQ(mouseLabelValue(13), 3);   // 3.1
    EXPECT_EQ(mouseLabelValue(-20), -3); // -3.5 toward zero
}
