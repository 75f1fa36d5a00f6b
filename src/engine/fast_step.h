#pragma once
// The step rule on bit planes: C, B and A of up to 128 cells as three bit
// sets, one rotation (Circle) or shift (Frozen A) per masked distance, so a
// line costs a few dozen word operations instead of L x 22 neighbour looks.
// Lines of up to 100 cells and a margin of 11 cells on each side fit in 128 bits.
#include "engine/step.h"

namespace rca {

using CellBits = unsigned __int128;

// One line as bit planes; bit i is cell i, bits at or above the length are 0.
struct LinePlanes {
    CellBits c = 0, b = 0, a = 0;
};

// The neighbourhood of one step, prepared once for both lines.
class FastRule {
  public:
    FastRule(int length, bool circle, const NeighbourMask& mask);

    int length() const { return length_; }
    // Cells that a masked C at the given positions activates.
    CellBits activated(CellBits c) const;
    LinePlanes next(const LinePlanes& p) const;

  private:
    int length_;
    bool circle_;
    CellBits cells_;
    // Masked distances 1..11 of the border mode (Frozen A examines 1..6).
    std::array<bool, maxDistance + 1> left_{}, right_{};
};

// Packs cells 0 .. length-1; false when one of them is not C, B or A.
bool packLine(const Line& line, int length, LinePlanes& out);
// Writes cells 0 .. length-1 of `line` from the planes; other entries stay.
void unpackLine(const LinePlanes& p, int length, Line& line);

// Steps one line in place and writes the new cells into `next` as well, as
// the per-cell rule followed by the copy back does. Returns false, touching
// nothing, when a cell holds a foreign value; the caller then uses the
// per-cell rule, which leaves such cells out.
bool fastStepLine(const FastRule& rule, Line& line, Line& next, StateCounts& counts);

// Steps 1 to 7 of one step with the per-cell rule only: the reference the
// fast path is checked and measured against.
void stepBothLinesPerCell(EngineState& m);

} // namespace rca
