#pragma once
// The theory check's particle model on bit sets: which cells of rows 0..20
// it fills (its theoryNonzero), computed from the start line alone. The
// verdicts of whole families of lines need it per line, so it works on
// three planes per row (left movers, right movers, rings) instead of the
// 1024-row grid of the window's check, and gives the same rows.
#include "engine/fast_step.h"

#include <array>

namespace rca {

// Rows the check fills: rows 0..19 are run, and row 19 writes row 20.
constexpr int particleRows = 21;

using ParticleRows = std::array<CellBits, particleRows>;

// theoryNonzero rows 0..20 over cells 0 .. length-1 for a start line whose
// non-A cells are `emitters` (bit i: cell i), on a ring of `length` cells,
// as 'L=' leaves it (squareCols = lineLength). Every later row is empty.
ParticleRows particleRowsOf(CellBits emitters, int length);

} // namespace rca
