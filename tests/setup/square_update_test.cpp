// The shared square update: mask fill, C points, B pairs, all bounded.
#include "setup/square_update.h"
#include "state/cell.h"

#include <gtest/gtest.h>

#include <memory>

using namespace rca;

namespace {

struct States {
    SquareState q;
    MaskState mask;
    SetupState pts;
};

std::unique_ptr<States> filledWith(CellState s) {
    auto st = std::make_unique<States>();
    st->q.squareField.fill(s);
    return st;
}

} // namespace

TEST(SquareUpdate, MaskedPairsKeepTheirCellsAndPointsFollowTheFill) {
    auto st = filledWith(C);
    st->mask.freezeMask[4] = 1; // index 5 is reached only from the masked 4 and 5
    st->mask.freezeMask[5] = 1;
    st->pts.cPositions[0] = 1;
    st->pts.cPositionsY[0] = 2; // C at 3
    st->pts.cPositionCount = 1;
    st->pts.bPositions[0] = 3;
    st->pts.bPositionsY[0] = 4; // B at 7 and 8
    st->pts.bPositionCount = 1;
    updateSquare(st->q, st->mask, st->pts, 4, 4, SquarePoints::CAndB);
    const auto& f = st->q.squareField;
    const CellState want[] = {A, A, A, C, A, C, A, B, B, C};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(f[k], want[k]) << k;

    // C only: the B pairs are not written.
    st->q.squareField.fill(C);
    updateSquare(st->q, st->mask, st->pts, 4, 4, SquarePoints::COnly);
    EXPECT_EQ(f[7], A);
    EXPECT_EQ(f[8], C);
    EXPECT_EQ(f[3], C);
}

TEST(SquareUpdate, EveryWriteStaysInTheField) {
    struct Case {
        int32_t rows, cols, count;
        int16_t x, y;
    };
    const Case cases[] = {
        {131, 131, 1, 130, 130},  // last pair: B at 260, 261
        {500, -3, 1, -1, 0},      // extents bounded, B at -1 skipped, 0 written
        {131, 131, 100000, 1, 1}, // count kept inside the list
        {131, 131, 1, 32767, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        auto st = filledWith(C);
        st->pts.bPositions.fill(c.x);
        st->pts.bPositionsY.fill(c.y);
        st->pts.bPositionCount = c.count;
        st->pts.cPositionCount = c.count;
        updateSquare(st->q, st->mask, st->pts, c.rows, c.cols, SquarePoints::CAndB);
        const int64_t at = int64_t{c.x} + c.y;
        if (at >= 0 && at + 1 < static_cast<int64_t>(st->q.squareField.size())) {
            EXPECT_EQ(st->q.squareField[at + 1], B);
        }
    }
}

TEST(SquareUpdate, GridFillUsesRowLength131) {
    auto st = filledWith(C);
    fillSquareGrid(st->q, 3);
    EXPECT_EQ(st->q.squareField[2], A);
    EXPECT_EQ(st->q.squareField[3], C);
    EXPECT_EQ(st->q.squareField[131 + 2], A);
    EXPECT_EQ(st->q.squareField[2 * 131 + 3], C);
    fillSquareGrid(st->q, 1000); // bounded to the 131 x 131 field
    EXPECT_EQ(st->q.squareField.back(), A);
}
