#pragma once
// The particle model of the theory check, as pure functions over TheoryState.
// Rows are processed one at a time; each row operation reads row r and may
// write rows r and r + 1. Columns wrap on a ring of `ring` cells.
#include "state/cell.h"
#include "state/picture_state.h"
#include "state/theory_state.h"

namespace rca {

// Values of a theoryGrid cell.
constexpr int16_t theoryEmpty = 0;
constexpr int16_t theoryLeft = 1;
constexpr int16_t theoryRight = 2;
constexpr int16_t theoryPair = 3;
constexpr int16_t theoryRing = 4;

// Rows the check runs the model for.
constexpr int theoryCheckRows = 20;

// The ring the model wraps on: squareCols, kept within the 100 array columns.
// A ring of no cells falls back to the line's own length, so no index ever
// leaves the arrays.
int theoryRingSize(int32_t squareCols, int32_t lineLength);

// Wraps a column index onto a ring of `ring` (>= 1) cells.
int wrapColumn(int c, int ring);

// Clears the model over the line's columns and seeds row 0: empty where the
// line holds A, a pair everywhere else.
void theoryReset(TheoryState& t, const Line& line, int length);

// The six row operations, in the order the check runs them. `r` outside
// 0..1023 does nothing; writes to row r + 1 are skipped past row 1023.
void theoryMarkers(TheoryState& t, int r, int length, int ring);
void theoryAnnihilate(TheoryState& t, int r, int length, int ring);
void theoryFillGaps(TheoryState& t, int r, int length, int ring);
void theoryCollide(TheoryState& t, int r, int length, int ring);
void theoryMove(TheoryState& t, int r, int length, int ring);
void theoryRings(TheoryState& t, int r, int length, int ring);

// All six on row r.
void theoryRunRow(TheoryState& t, int r, int length, int ring);

// The check's model run: rows 0..19 (theoryRow is 20 afterwards), then
// theoryNonzero.
void theoryRunCheck(TheoryState& t, int length, int ring);

// theoryNonzero over all rows and the line's columns.
void theoryFillNonzero(TheoryState& t, int length);

// True when markCI equals theoryNonzero in rows 0..lastRow (at most 1023)
// and the line's columns.
bool theoryMatchesMarks(const TheoryState& t, const MarkGrid& markCI, int32_t lastRow, int length);

} // namespace rca
