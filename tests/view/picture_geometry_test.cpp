// The pure geometry of the picture: clock rows, ellipse boxes, mark rows.
#include "engine/step.h"
#include "view/picture.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using rca::A;
using rca::B;
using rca::C;

rca::ViewBoxes clockView() {
    rca::ViewBoxes v;
    v.ordinary = false;
    return v;
}

std::vector<rca::Shape> row(rca::Model& m, const rca::ViewBoxes& v) {
    std::vector<rca::Shape> out;
    rca::pictureRow(m, v, out);
    return out;
}

int ones(const rca::MarkGrid& g) {
    int n = 0;
    for (const auto& r : g)
        n += std::accumulate(r.begin(), r.end(), 0);
    return n;
}

// With no mask box on, A stays A (clock +2 per step) and C and B alternate
// (clock +1): at 30 px per row an A cell falls 45 px (1.5 rows) per step,
// a B or C cell 22.5 px (0.75 rows).
TEST(PictureGeometry, ClockViewRowsFollowEachCellsClock) {
    rca::Model m;
    m.lineLength = 3;
    m.borderMode = 1;
    m.neighbourMask = {};
    m.lineI = {A, C, B};
    m.lineII = {B, A, C};
    for (int k = 1; k <= 5; ++k) {
        rca::stepBothLines(m);
        auto shapes = row(m, clockView());
        ASSERT_EQ(shapes.size(), 6u);
        EXPECT_EQ(shapes[0].box.y1, 45 * k + 2) << "A of line I, step " << k;
        EXPECT_EQ(shapes[1].box.y1, (45 * k) / 2 + 2) << "C/B of line I, step " << k;
        EXPECT_EQ(shapes[2].box.y1, (45 * k) / 2 + 2) << "B/C of line I, step " << k;
        // Line II is flattened: r = 30 / 4 = 7, so its box starts 9 px lower.
        EXPECT_EQ(shapes[3].box.y1, (45 * k) / 2 + 9);
        EXPECT_EQ(shapes[4].box.y1, 45 * k + 9);
    }
}

TEST(PictureGeometry, ClockBoxesAreNarrowedForLineIAndFlattenedForLineII) {
    rca::PictureState p; // 30 x 30 cells
    p.pictureLeft = 100;
    p.pictureTop = 10;
    p.sideShift = 350;
    p.clockOrigin = 2;
    rca::ViewBoxes v = clockView();
    // Cell 1, clock 6: x0 = 130, v = 0.75 * 30 * (6 - 2) = 90, y0 = 100.
    EXPECT_EQ(rca::clockBoxI(p, 1, 6, v, B), (rca::Box{139, 102, 151, 128}));
    EXPECT_EQ(rca::clockBoxI(p, 1, 6, v, A), (rca::Box{139, 102, 151, 128}));
    EXPECT_EQ(rca::clockBoxI(p, 1, 6, v, C), (rca::Box{138, 102, 152, 128}));
    EXPECT_EQ(rca::clockBoxII(p, 1, 6, v), (rca::Box{132, 109, 158, 121}));
    // Side selector 1 moves by sideShift; rise "verh" moves down riseRows rows.
    v.side = 1;
    v.rise = true;
    p.riseRows = 2;
    EXPECT_EQ(rca::clockBoxI(p, 1, 6, v, C), (rca::Box{488, 162, 502, 188}));
    // A clock below the origin lies above the picture top: -22.5 truncates to -22.
    EXPECT_EQ(rca::clockOffset(p, 1), -22);
}

TEST(PictureGeometry, OrdinaryBoxes) {
    rca::PictureState p;
    p.pictureLeft = 0;
    p.pictureTop = 5;
    EXPECT_EQ(rca::ordinarySquare(p, 2, 3, 0), (rca::Box{60, 95, 90, 125}));
    EXPECT_EQ(rca::ordinarySquare(p, 2, 3, 1), (rca::Box{260, 95, 290, 125}));
    EXPECT_EQ(rca::ordinaryRingBox(p, 2, 3), (rca::Box{61, 96, 89, 124}));
}

TEST(PictureGeometry, MarksGoToClockRowsCHalfAndABOneHigher) {
    rca::Model m;
    m.lineLength = 3;
    m.lineI = {A, B, C};
    m.cellClockI = {6, 7, 9};
    m.lineII = {C, A, B};
    m.cellClockII = {5, 8, 3};
    row(m, clockView());
    EXPECT_EQ(m.markAI[2][0], 1);
    EXPECT_EQ(m.markBI[2][1], 1);
    EXPECT_EQ(m.markCI[4][2], 1);
    EXPECT_EQ(m.lastCRowI, 4);
    EXPECT_EQ(m.markCII[2][0], 1);
    EXPECT_EQ(m.markAII[3][1], 1);
    EXPECT_EQ(m.markBII[0][2], 1);
    for (const rca::MarkGrid* g :
         {&m.markAI, &m.markBI, &m.markCI, &m.markAII, &m.markBII, &m.markCII})
        EXPECT_EQ(ones(*g), 1);
}

TEST(PictureGeometry, MarksOutsideTheGridAreSkipped) {
    rca::Model m;
    m.lineLength = 3;
    // A at clock 1: row -1. B at clock 2050: row 1024. C at clock 2048: row 1024.
    m.lineI = {A, B, C};
    m.cellClockI = {1, 2050, 2048};
    row(m, clockView());
    // Row 1024 of one grid would be row 0 of the next one in memory.
    for (const rca::MarkGrid* g : {&m.markAI, &m.markBI, &m.markCI, &m.markAII})
        EXPECT_EQ(ones(*g), 0);
    EXPECT_EQ(m.lastCRowI, 1024); // the 'K=' row is the clock's, even off the grid
    EXPECT_FALSE(rca::setMark(m.markAI, 0, 100));
    EXPECT_TRUE(rca::setMark(m.markAI, 1023, 99));
    EXPECT_EQ(m.markAI[1023][99], 1);
    EXPECT_EQ(rca::markRow(A, 0), -1);
    EXPECT_EQ(rca::markRow(C, 0), 0);
    EXPECT_EQ(rca::markRow(B, 2049), 1023);
}

TEST(PictureGeometry, OnlyCheckedMarkBoxesDrawAndMark) {
    rca::Model m;
    m.lineLength = 1;
    m.lineI = {C};
    m.cellClockI = {8};
    m.lastCRowI = 77;
    rca::ViewBoxes v = clockView();
    v.mC = false;
    EXPECT_EQ(row(m, v).size(), 1u); // line II's C disc only
    EXPECT_EQ(ones(m.markCI), 0);
    EXPECT_EQ(m.lastCRowI, 77);
}

TEST(PictureGeometry, DoneMarkerRisesOnceAndThenHidesTheLine) {
    rca::Model m;
    m.lineLength = 2;
    m.lineI = {C, C};
    m.lineII = {C, C};
    rca::ViewBoxes v; // ordinary view
    EXPECT_EQ(row(m, v).size(), 4u);
    EXPECT_EQ(m.lineIDone, 0);
    m.lineIDone = 1;
    EXPECT_EQ(row(m, v).size(), 4u); // the row of the done step is still drawn
    EXPECT_EQ(m.lineIDone, 2);
    auto shapes = row(m, v);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].kind, rca::Shape::Kind::Disc); // line II only
    EXPECT_EQ(m.lineIDone, 2);
}

TEST(PictureGeometry, OrdinaryViewRespectsTheLineBoxes) {
    rca::Model m;
    m.lineLength = 2;
    m.lineI = {B, A};
    m.lineII = {A, B};
    rca::ViewBoxes v;
    v.showLineI = false;
    auto shapes = row(m, v);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].kind, rca::Shape::Kind::Ring);
    EXPECT_EQ(shapes[0].penWidth, 2);
    v.showLineI = true;
    v.showLineII = false;
    shapes = row(m, v);
    ASSERT_EQ(shapes.size(), 2u); // A is painted too, in the background colour
    EXPECT_EQ(shapes[1].kind, rca::Shape::Kind::Square);
}

TEST(PictureGeometry, RowsFromStepTime10000AreSkipped) {
    rca::Model m;
    m.lineLength = 2;
    m.lineI = {C, C};
    m.lineII = {C, C};
    m.stepTime = 9999;
    EXPECT_EQ(row(m, rca::ViewBoxes{}).size(), 4u);
    m.stepTime = 10000;
    EXPECT_TRUE(row(m, rca::ViewBoxes{}).empty());
}

} // namespace
