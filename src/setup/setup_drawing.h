#pragma once
// Canvas pieces shared by the set-ups and the square-field generators.
#include "forms/canvas.h"

namespace rca {

// Right edge of the picture that a trial set-up erases: 500 while batch mode
// ('Timer10') is on, so the hidden batch display area stays, else 704.
int setUpEraseRight(bool batchMode);

// Fills x = left .. right, y = 0 .. 704 with the button-face colour.
void eraseSetUpArea(Canvas& canvas, int left, int right);

// The square field's frame: right and bottom edges of a rows x cols field
// drawn at 5 pixels per cell, black, solid.
void drawSquareFrame(Canvas& canvas, int rows, int cols);

// 12 vertical lines at x = 360 + k * cellWidth and 30 horizontal lines from
// x = 360 to 700, black, width 1.
void drawGuideGrid(Canvas& canvas, int cellWidth, int cellHeight);

} // namespace rca
