#pragma once
// The step rule on bit planes: C, B and A of up to 128 cells as three bit
// sets, one rotation (Circle) or shift (Frozen A) per masked distance, so a
// line costs a few dozen word operations instead of L x 22 neighbour looks.
// Lines of up to 100 cells and a margin of 11 cells on each side fit in 128 bits.
#include "engine/step.h"

#include <array>

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
    static constexpr int margin = maxDistance;
    static constexpr CellBits marginBits = (CellBits{1} << margin) - 1;

    int length_;
    bool circle_; // Circle on a line with cells
    CellBits cells_;
    int back_ = 0; // -11 mod length, for the left margin in Circle
    // Masked distances 1..11 of the border mode (Frozen A examines 1..6).
    std::array<bool, maxDistance + 1> left_{}, right_{};
};

// Inline, so that runs of steps keep their planes in registers.
inline CellBits FastRule::activated(CellBits c) const {
    // The line with a margin of 11 cells on each side: bit i + 11 is cell i.
    // In Circle the margins hold the wrapped cells (several turns when the
    // line is shorter than the margin); in Frozen A they stay empty.
    CellBits wide = c << margin;
    if (circle_) {
        CellBits t = c;
        for (int width = length_; width < 3 * margin; width *= 2)
            t |= t << width; // bit n is cell n mod length, for n < 33 at least
        wide |= (t >> back_) & marginBits;
        wide |= (t & marginBits) << (length_ + margin);
    }
    CellBits act = 0;
#pragma GCC unroll 11
    for (int d = 1; d <= maxDistance; ++d) {
        if (left_[d]) act |= wide >> (margin - d);
        if (right_[d]) act |= wide >> (margin + d);
    }
    return act & cells_;
}

inline LinePlanes FastRule::next(const LinePlanes& p) const {
    const CellBits act = activated(p.c);
    LinePlanes n;
    n.c = (p.b & ~act) | (p.a & act);
    n.b = p.c;
    n.a = (p.b & act) | (p.a & ~act);
    return n;
}

// Packs cells 0 .. length-1; false when one of them is not C, B or A.
bool packLine(const Line& line, int length, LinePlanes& out);
// Writes cells 0 .. length-1 of `line` (and of `copy`) from the planes;
// other entries stay.
void unpackLine(const LinePlanes& p, int length, Line& line);
void unpackLine(const LinePlanes& p, int length, Line& line, Line& copy);
StateCounts countPlanes(const LinePlanes& p);

// Per-cell counts of up to maxPlaneCount additions of a set of cells, one
// bit plane per binary digit, so an addition costs a few word operations.
class PlaneCounter {
  public:
    static constexpr int digits = 16;
    void add(CellBits cells);
    // Adds each cell's count to counts[0 .. length-1].
    void addTo(CellInts& counts, int length) const;

  private:
    CellBits digit_[digits] = {};
};
constexpr int maxPlaneCount = (1 << PlaneCounter::digits) - 1;

inline void PlaneCounter::add(CellBits cells) {
    // Ripple-carry over the digits; the carry dies out after two digits on average.
    for (int j = 0; cells != 0 && j < digits; ++j) {
        const CellBits carry = digit_[j] & cells;
        digit_[j] ^= cells;
        cells = carry;
    }
}

// Steps one line in place and writes the new cells into `next` as well, as
// the per-cell rule followed by the copy back does. Returns false, touching
// nothing, when a cell holds a foreign value; the caller then uses the
// per-cell rule, which leaves such cells out.
bool fastStepLine(const FastRule& rule, Line& line, Line& next, StateCounts& counts);

// What up to `maxSteps` calls of stepBothLines do (at most maxPlaneCount in
// one call), with the lines kept in bit planes and the A steps of the
// accumulators in plane counters between steps. Stops after the first step
// that sets a done marker, so a trial check that runs after every step
// misses nothing when it runs after this instead. A line holding a foreign
// value takes one ordinary step. Returns the steps taken.
int runFastSteps(EngineState& m, int maxSteps);

// Steps 1 to 7 of one step with the per-cell rule only: the reference the
// fast path is checked and measured against.
void stepBothLinesPerCell(EngineState& m);

} // namespace rca
