#pragma once
// The step rule on bit planes: C, B and A of a line as three bit sets, one
// shift per masked distance, so a line costs a few dozen word operations
// instead of L x 22 neighbour looks. A line of up to 100 cells with a margin
// of 11 cells on each side fits in 128 bits; up to 42 cells it fits in 64,
// and then both lines share one 128-bit vector.
#include "engine/step.h"

#include <array>
#include <type_traits>

namespace rca {

using CellBits = unsigned __int128;

// Both lines at once, lane 0 line I and lane 1 line II: two 128-bit sets, or
// two 64-bit lanes of one vector register for lines of up to 42 cells.
struct CellPair {
    CellBits lane[2];
};
using LanePair64 [[gnu::vector_size(16)]] = uint64_t;

// The word operations the rule needs, for each of the three word types.
inline CellBits lane(CellBits w, int) {
    return w;
}
inline CellBits lane(const CellPair& w, int i) {
    return w.lane[i];
}
inline CellBits lane(LanePair64 w, int i) {
    return w[i];
}
inline bool any(CellBits w) {
    return w != 0;
}
inline bool any(const CellPair& w) {
    return (w.lane[0] | w.lane[1]) != 0;
}
inline bool any(LanePair64 w) {
    return (w[0] | w[1]) != 0;
}
inline CellPair operator&(const CellPair& x, const CellPair& y) {
    return {{x.lane[0] & y.lane[0], x.lane[1] & y.lane[1]}};
}
inline CellPair operator|(const CellPair& x, const CellPair& y) {
    return {{x.lane[0] | y.lane[0], x.lane[1] | y.lane[1]}};
}
inline CellPair operator^(const CellPair& x, const CellPair& y) {
    return {{x.lane[0] ^ y.lane[0], x.lane[1] ^ y.lane[1]}};
}
inline CellPair operator~(const CellPair& x) {
    return {{~x.lane[0], ~x.lane[1]}};
}
inline CellPair operator<<(const CellPair& x, int s) {
    return {{x.lane[0] << s, x.lane[1] << s}};
}
inline CellPair operator>>(const CellPair& x, int s) {
    return {{x.lane[0] >> s, x.lane[1] >> s}};
}
inline CellPair& operator|=(CellPair& x, const CellPair& y) {
    return x = x | y;
}
inline CellPair& operator^=(CellPair& x, const CellPair& y) {
    return x = x ^ y;
}
// Line I's set in lane 0, line II's in lane 1.
template <class W> W pairOf(CellBits one, CellBits two);
template <> inline CellPair pairOf<CellPair>(CellBits one, CellBits two) {
    return CellPair{{one, two}};
}
template <> inline LanePair64 pairOf<LanePair64>(CellBits one, CellBits two) {
    return LanePair64{static_cast<uint64_t>(one), static_cast<uint64_t>(two)};
}

// The same set in every lane.
template <class W> W broadcast(CellBits v) {
    if constexpr (std::is_same_v<W, CellBits>)
        return v;
    else
        return pairOf<W>(v, v);
}

// Lines as bit planes; bit i of a lane is cell i, bits at or above the length are 0.
template <class W> struct Planes { W c{}, b{}, a{}; };
using LinePlanes = Planes<CellBits>;

// The neighbourhood of one step, prepared once for both lines.
class FastRule {
  public:
    FastRule(int length, bool circle, const NeighbourMask& mask);

    int length() const { return length_; }
    // Lines this short fit in 64-bit lanes with their margins.
    bool fitsLanePair64() const { return length_ + 2 * margin <= 64; }
    // The right shifts of the line with its margins that bring each masked
    // neighbour onto its cell; returns how many of `out` are used.
    int wideShifts(std::array<int, 2 * maxDistance>& out) const;
    // Cells that a masked C at the given positions activates.
    template <class W> W activated(W c) const;
    template <class W> Planes<W> next(const Planes<W>& p) const;

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
template <class W> W FastRule::activated(W c) const {
    // The line with a margin of 11 cells on each side: bit i + 11 is cell i.
    // In Circle the margins hold the wrapped cells (several turns when the
    // line is shorter than the margin); in Frozen A they stay empty.
    W wide = c << margin;
    if (circle_) {
        W t = c;
        for (int width = length_; width < 3 * margin; width *= 2)
            t |= t << width; // bit n is cell n mod length, for n < 33 at least
        const W edge = broadcast<W>(marginBits);
        wide |= (t >> back_) & edge;
        wide |= (t & edge) << (length_ + margin);
    }
    W act{};
#pragma GCC unroll 11
    for (int d = 1; d <= maxDistance; ++d) {
        if (left_[d]) act |= wide >> (margin - d);
        if (right_[d]) act |= wide >> (margin + d);
    }
    return act & broadcast<W>(cells_);
}

template <class W> Planes<W> FastRule::next(const Planes<W>& p) const {
    const W act = activated(p.c);
    Planes<W> n;
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
template <class W> class PlaneCounter {
  public:
    static constexpr int digits = 16;
    void add(W cells) {
        // Ripple-carry over the digits; the carry dies out after two digits on average.
        for (int j = 0; any(cells) && j < digits; ++j) {
            const W carry = digit_[j] & cells;
            digit_[j] ^= cells;
            cells = carry;
        }
    }
    // The count of each cell of lane `i`, as binary digits.
    std::array<CellBits, digits> laneDigits(int i) const {
        std::array<CellBits, digits> out{};
        for (int j = 0; j < digits; ++j)
            out[j] = lane(digit_[j], i);
        return out;
    }

  private:
    W digit_[digits] = {};
};
constexpr int maxPlaneCount = (1 << PlaneCounter<CellBits>::digits) - 1;

// Counts of one line as binary digits, digit j in plane j.
using CountDigits = std::array<CellBits, PlaneCounter<CellBits>::digits>;
// Adds each cell's count to counts[0 .. length-1].
void addCounts(const CountDigits& digits, int length, CellInts& counts);

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
