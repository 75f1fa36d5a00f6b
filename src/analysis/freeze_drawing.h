#pragma once
// 'Draw frozen': the freeze mask as grey 5 x 5 squares.
#include "files/mask_file.h"
#include "forms/canvas.h"

namespace rca {

// The largest mask value over the pairs, at least 1.
int freezeMaskMaximum(const MaskState& s, MaskExtents e);

// Erases (0, 0)-(670, 670), then paints pair (i, j) at (5j, 5i) in the grey
// v * 255 / (max + 1), v = freezeMask[i + j].
void drawFrozen(Canvas& c, const MaskState& s, MaskExtents e);

} // namespace rca
