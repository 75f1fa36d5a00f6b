#pragma once
// The legacy square-field generators as pure functions. The field is a strip
// addressed at x + y; every write goes through setSquareCell, which skips an
// index outside the 131 x 131 bytes (the only one the generators produce is
// -1, from 'N times CB' at x = y = 0; index 261 lies inside).
#include "state/cell.h"
#include "state/setup_state.h"
#include "state/square_state.h"

namespace rca {

// squareRows / squareCols kept inside the field's 0..131.
int boundedSquareExtent(int32_t extent);

void setSquareCell(SquareState& q, int64_t index, CellState s);

// Index x + y := A for every x < rows, y < cols.
void fillSquareWithA(SquareState& q, int rows, int cols);

// 'Center': one B point (cols / 2, rows / 2) in the B list, B at indices
// rows/2 + cols/2 and one further.
void placeCenterPoint(SquareState& q, SetupState& s, int rows, int cols);

// 'Line Center': for k < rows/2, rows/2 + k := C, then cols/2 + k + 1 := B.
void placeLineCenter(SquareState& q, int rows, int cols);

// 'Line': for k < rows, rows/2 + k := C, then rows/2 + k + 1 := B.
void placeLine(SquareState& q, int rows);

// 'CBC... nB times': from 2 * (rows/2), count cells alternating C, B, C ...
void placeAlternatingCB(SquareState& q, int rows, int32_t count);

// 'N times CB': count random points x + y (x, y in 0..130) := C, each with a
// B right after (k mod 4 = 0, 1) or right before (k mod 4 = 2, 3).
void placeRandomCBPairs(SquareState& q, uint32_t& randomState, int32_t count);

// 'RANDOM': every square cell A when a draw is above 10000, else B when a
// second draw is above 20000, else C.
void randomiseSquareABC(SquareState& q, uint32_t& randomState, int rows, int cols);

// The square randomiser: every square cell := draw mod 3.
void randomiseSquareCells(SquareState& q, uint32_t& randomState, int rows, int cols);

// 'N rand. point C': count C points (draw mod rows, draw mod cols) into the
// C lists; the B list is emptied. No draws when an extent is 0.
void drawSquareCPoints(SetupState& s, uint32_t& randomState, int rows, int cols, int32_t count);

// The square update of a point list: index x + y := state for each point.
void placeSquarePoints(SquareState& q, const std::array<int16_t, maxPoints>& xs,
                       const std::array<int16_t, maxPoints>& ys, int32_t count, CellState s);

} // namespace rca
