#pragma once
// The square update that set-ups, the FREEZE reset and later windows share:
// where the freeze mask leaves a pair free, the field becomes A; then the C
// points go back as C; then, when asked, the B points as pairs of B.
#include "state/mask_state.h"
#include "state/setup_state.h"
#include "state/square_state.h"

namespace rca {

enum class SquarePoints { COnly, CAndB };

// For every x < rows, y < cols with freezeMask[x + y] == 0, indices x + y and
// x + y + 1 := A; then index (first + second coordinate) := C for each C
// point; with CAndB, indices x + y and x + y + 1 := B for each B point.
// Extents are kept inside 0..131 and counts inside the lists; a write outside
// the field is skipped.
void updateSquare(SquareState& q, const MaskState& mask, const SetupState& points, int32_t rows,
                  int32_t cols, SquarePoints which);

// A true rows x rows grid of row length 131 filled with A (the 'DO' button of
// the initial-configuration window); rows kept inside 0..131.
void fillSquareGrid(SquareState& q, int32_t rows);

} // namespace rca
