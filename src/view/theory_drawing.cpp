#include "view/theory_drawing.h"

#include "theory/theory_model.h"

#include <algorithm>

namespace rca {

namespace {

// Truncated toward zero; kept far off the surface rather than overflowing
// when a typed cell size is absurd.
int toPixel(double v) {
    constexpr double limit = 1e7;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

// An ellipse in a box whose edges are real sums.
void ellipseAt(Canvas& c, double x1, double y1, double x2, double y2) {
    c.ellipse(toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2));
}

void useFilled(Canvas& c, uint32_t color) {
    c.pen = Pen{color, PenStyle::Clear, c.pen.width};
    c.brush = Brush{color, BrushStyle::Solid};
}

void useRing(Canvas& c, uint32_t color, int width) {
    c.pen = Pen{color, PenStyle::Solid, width};
    c.brush.style = BrushStyle::Clear;
}

} // namespace

void drawTheoryRow(Canvas& canvas, const TheoryState& theory, int t, int cellWidth, int cellHeight,
                   int length) {
    if (t <= 0 || t > markRows) return;
    const int row = t - 1;
    const Pen savedPen = canvas.pen;
    const Brush savedBrush = canvas.brush;

    const int64_t w = cellWidth, h = cellHeight;
    const int64_t s = w / 4 + 1, q = h / 4 - h;
    const double yc = 1.5 * h * t;
    const int n = boundedLength(length);
    for (int i = 0; i < n; ++i) {
        const double x0 = static_cast<double>(w) * i + theoryLeftEdge;
        if (theory.theoryNonzero[row][i] == 1) {
            useFilled(canvas, clGray);
            ellipseAt(canvas, x0 + s, yc + q + 2, x0 + w - s, yc + h + q - 2);
        }
        const int16_t v = theory.theoryGrid[row][i];
        if (v == theoryLeft || v == theoryRight || v == theoryPair) {
            useFilled(canvas, clBlack);
            if (v != theoryRight)
                ellipseAt(canvas, x0 + s - 5, yc + q + 8, x0 + w - s - 5, yc + h + q - 8);
            if (v != theoryLeft)
                ellipseAt(canvas, x0 + s + 5, yc + q + 8, x0 + w - s + 5, yc + h + q - 8);
        } else if (v == theoryRing) {
            useRing(canvas, clBlack, 2);
            ellipseAt(canvas, x0 + s - 3, yc + q + 5, x0 + w - s + 3, yc + h + q - 5);
        }
        if (theory.theoryMarks[row][i] != 0) {
            // Centred on the border between cells i - 1 and i.
            canvas.pen = Pen{clGreen, PenStyle::Solid, 3};
            canvas.brush = Brush{clWhite, BrushStyle::Solid};
            ellipseAt(canvas, x0 + s - w / 2 + 2, yc + q + 10, x0 + w - w / 2 - s - 2,
                      yc + h + q - 10);
        }
    }
    canvas.pen = savedPen;
    canvas.brush = savedBrush;
}

} // namespace rca
