#pragma once
// The theory overlay: one model row drawn over the picture.
#include "forms/canvas.h"
#include "state/theory_state.h"

namespace rca {

// The overlay's fixed left edge; it ignores pictureLeft.
constexpr int theoryLeftEdge = 360;

// Draws model row t - 1 at the height of picture row t (nothing for t <= 0
// or past the last model row). Pen and brush are restored afterwards.
void drawTheoryRow(Canvas& canvas, const TheoryState& theory, int t, int cellWidth, int cellHeight,
                   int length);

} // namespace rca
