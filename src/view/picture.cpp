#include "view/picture.h"

#include "forms/canvas.h"

#include <algorithm>
#include <cmath>

namespace rca {

namespace {

int64_t rowTop(const PictureState& p, int32_t stepTime) {
    return int64_t{p.cellHeight} * stepTime + p.pictureTop;
}

int64_t columnLeft(const PictureState& p, int i) {
    return int64_t{p.cellWidth} * i + p.pictureLeft;
}

// The top-left corner of a cell in the clock view.
std::pair<int64_t, int64_t> clockCorner(const PictureState& p, int i, int32_t clock,
                                        const ViewBoxes& v) {
    const int64_t x0 = columnLeft(p, i) + int64_t{p.sideShift} * v.side;
    const int64_t rise = v.rise ? int64_t{p.cellHeight} * p.riseRows : 0;
    return {x0, clockOffset(p, clock) + p.pictureTop + rise};
}

Shape ring(Box b, uint32_t color) {
    return Shape{Shape::Kind::Ring, b, color, 4};
}

Shape disc(Box b) {
    return Shape{Shape::Kind::Disc, b, clBlack, 0};
}

// The clock-view shape and mark of one cell of line I.
void clockCellI(Model& m, const ViewBoxes& v, int i, std::vector<Shape>& out) {
    const CellState s = m.lineI[i];
    const int32_t clock = m.cellClockI[i];
    const Box box = clockBoxI(m, i, clock, v, s);
    if (s == B && v.mB) {
        out.push_back(ring(box, clBlack));
        setMark(m.markBI, markRow(s, clock), i);
    } else if (s == C && v.mC) {
        out.push_back(disc(box));
        setMark(m.markCI, markRow(s, clock), i);
        m.lastCRowI = clock / 2;
    } else if (s == A && v.mA) {
        out.push_back(ring(box, clRed));
        setMark(m.markAI, markRow(s, clock), i);
    }
}

void clockCellII(Model& m, const ViewBoxes& v, int i, std::vector<Shape>& out) {
    const CellState s = m.lineII[i];
    const int32_t clock = m.cellClockII[i];
    const Box box = clockBoxII(m, i, clock, v);
    if (s == B && v.mdB) {
        out.push_back(ring(box, clBlack));
        setMark(m.markBII, markRow(s, clock), i);
    } else if (s == C && v.mdC) {
        out.push_back(disc(box));
        setMark(m.markCII, markRow(s, clock), i);
    } else if (s == A && v.mdA) {
        out.push_back(ring(box, clBlue));
        setMark(m.markAII, markRow(s, clock), i);
    }
}

void ordinaryCellI(const Model& m, const ViewBoxes& v, int i, std::vector<Shape>& out) {
    const CellState s = m.lineI[i];
    if (s != A && s != B && s != C) return;
    const uint32_t fill = s == B ? clBlue : s == C ? clRed : clBtnFace;
    out.push_back(Shape{Shape::Kind::Square, ordinarySquare(m, i, m.stepTime, v.side), fill, 0});
}

void ordinaryCellII(const Model& m, int i, std::vector<Shape>& out) {
    const Box box = ordinaryRingBox(m, i, m.stepTime);
    if (m.lineII[i] == B)
        out.push_back(Shape{Shape::Kind::Ring, box, clBlack, 2});
    else if (m.lineII[i] == C)
        out.push_back(disc(box));
}

// A done marker of 1 becomes 2 once its line has been drawn once more.
void advanceDone(uint8_t& done) {
    if (done != 0) ++done;
}

} // namespace

Box ordinarySquare(const PictureState& p, int i, int32_t stepTime, int side) {
    const int64_t x0 = columnLeft(p, i) + 200 * int64_t{side};
    const int64_t y0 = rowTop(p, stepTime);
    return {x0, y0, x0 + p.cellWidth, y0 + p.cellHeight};
}

Box ordinaryRingBox(const PictureState& p, int i, int32_t stepTime) {
    const int64_t x0 = columnLeft(p, i);
    const int64_t y0 = rowTop(p, stepTime);
    return {x0 + 1, y0 + 1, x0 + p.cellWidth - 1, y0 + p.cellHeight - 1};
}

int64_t clockOffset(const PictureState& p, int32_t clock) {
    const double v = 3.0 * p.cellHeight * 0.25 * (static_cast<double>(clock) - p.clockOrigin);
    // Far beyond any surface; keeps the conversion defined.
    constexpr double limit = 1e15;
    return static_cast<int64_t>(std::clamp(v, -limit, limit));
}

Box clockBoxI(const PictureState& p, int i, int32_t clock, const ViewBoxes& v, CellState s) {
    const auto [x0, y0] = clockCorner(p, i, clock, v);
    const int inset = p.cellWidth / 4 + (s == C ? 1 : 2);
    return {x0 + inset, y0 + 2, x0 + p.cellWidth - inset, y0 + p.cellHeight - 2};
}

Box clockBoxII(const PictureState& p, int i, int32_t clock, const ViewBoxes& v) {
    const auto [x0, y0] = clockCorner(p, i, clock, v);
    const int inset = p.cellHeight / 4 + 2;
    return {x0 + 2, y0 + inset, x0 + p.cellWidth - 2, y0 + p.cellHeight - inset};
}

int32_t markRow(CellState s, int32_t clock) {
    return s == C ? clock / 2 : clock / 2 - 1;
}

bool setMark(MarkGrid& grid, int32_t row, int column) {
    if (row < 0 || row >= markRows || column < 0 || column >= maxLineCells) return false;
    grid[row][column] = 1;
    return true;
}

void pictureRow(Model& m, const ViewBoxes& v, std::vector<Shape>& out) {
    const int L = boundedLength(m.lineLength);
    const bool onRow = m.stepTime < pictureRowLimit;
    if (m.lineIDone < 2) {
        for (int i = 0; i < L && onRow; ++i) {
            if (!v.ordinary)
                clockCellI(m, v, i, out);
            else if (v.showLineI)
                ordinaryCellI(m, v, i, out);
        }
        advanceDone(m.lineIDone);
    }
    if (m.lineIIDone < 2) {
        for (int i = 0; i < L && onRow; ++i) {
            if (!v.ordinary)
                clockCellII(m, v, i, out);
            else if (v.showLineII)
                ordinaryCellII(m, i, out);
        }
        advanceDone(m.lineIIDone);
    }
}

} // namespace rca
