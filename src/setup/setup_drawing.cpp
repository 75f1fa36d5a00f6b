#include "setup/setup_drawing.h"
#include "state/saturating.h"

namespace rca {

namespace {

constexpr int setUpAreaBottom = 704;

void blackSolidPen(Canvas& canvas) {
    canvas.pen.color = clBlack;
    canvas.pen.style = PenStyle::Solid;
}

} // namespace

int setUpEraseRight(bool batchMode) {
    return batchMode ? 500 : 704;
}

void eraseSetUpArea(Canvas& canvas, int left, int right) {
    canvas.fillRect(left, 0, right, setUpAreaBottom, clBtnFace);
}

void drawSquareFrame(Canvas& canvas, int rows, int cols) {
    blackSolidPen(canvas);
    const int bottom = 5 * rows + 5, right = 5 * cols + 5;
    canvas.line(0, bottom, right, bottom);
    canvas.line(right, 0, right, bottom);
}

void drawGuideGrid(Canvas& canvas, int cellWidth, int cellHeight) {
    blackSolidPen(canvas);
    canvas.pen.width = 1;
    // In 64 bits: a cell size typed or set near the int limit puts the lines
    // off the surface instead of overflowing.
    for (int k = 0; k < 12; ++k) {
        const int x = clampToInt(360 + int64_t{k} * cellWidth);
        canvas.line(x, 0, x, 800);
    }
    for (int k = 0; k < 30; ++k) {
        const int y = clampToInt(static_cast<int64_t>(1.5 * k * cellHeight) +
                                 (int64_t{cellHeight} - cellHeight / 2));
        canvas.line(360, y, 700, y);
    }
}

} // namespace rca
