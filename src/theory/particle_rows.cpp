#include "theory/particle_rows.h"

#include "theory/theory_model.h"

#include <memory>

namespace rca {

namespace {

// Bit i takes bit i - 1 of the ring, and bit i takes bit i + 1.
template <class W> W fromLeft(W x, int length, W cells) {
    return ((x << 1) | (x >> (length - 1))) & cells;
}
template <class W> W fromRight(W x, int length) {
    return (x >> 1) | ((x & 1) << (length - 1));
}

template <class W> ParticlePlanes<W> startPlanes(W emitters, int length) {
    ParticlePlanes<W> p;
    p.cells = length == 8 * sizeof(W) ? ~W{0} : (W{1} << length) - 1;
    p.left = p.right = emitters & p.cells;
    p.length = length;
    return p;
}

// Row r of the planes (a ring of three or more cells), which then move on
// to row r + 1; the last row is the planes as they arrive.
template <class W> CellBits planeRow(ParticlePlanes<W>& p, bool last) {
    if (last) return p.left | p.right | p.ring;
    const int length = p.length;
    // Facing movers across a cell border annihilate: the right mover on the
    // left and the left mover on the right. Sequentially or at once gives
    // the same on a ring of three or more cells.
    const W marks = fromLeft(p.right, length, p.cells) & p.left;
    p.right &= ~fromRight(marks, length);
    p.left &= ~marks;
    // Empty cells beside a meeting become rings.
    const W empty = p.cells & ~(p.left | p.right | p.ring);
    p.ring |= (marks | fromRight(marks, length)) & empty;
    const W row = p.left | p.right | p.ring;
    // Movers converging on a cell make a ring there; the rest move on; this
    // row's rings emit pairs.
    const W rightIn = fromLeft(p.right, length, p.cells);
    const W leftIn = fromRight(p.left, length);
    const W collide = rightIn & leftIn;
    p.left = (leftIn & ~collide) | p.ring;
    p.right = (rightIn & ~collide) | p.ring;
    p.ring = collide & ~p.ring;
    return row;
}

// The window's own row operations, for rings too short for the planes:
// there a cell's left and right neighbour coincide.
ParticleRows gridRows(CellBits emitters, int length) {
    auto t = std::make_unique<TheoryState>();
    Line line{};
    line.fill(A);
    for (int i = 0; i < length; ++i)
        if ((emitters >> i) & 1) line[i] = B;
    theoryReset(*t, line, length);
    theoryRunCheck(*t, length, length);
    ParticleRows rows{};
    for (int r = 0; r < particleRows; ++r)
        for (int i = 0; i < length; ++i)
            if (t->theoryNonzero[r][i]) rows[r] |= CellBits{1} << i;
    return rows;
}

} // namespace

ParticleRowsByNeed::ParticleRowsByNeed(CellBits emitters, int length) {
    length = boundedLength(length);
    if (length < 3) {
        rows_ = gridRows(emitters, length);
        made_ = particleRows;
    } else if (length <= 64) {
        narrowPlanes_ = startPlanes(static_cast<uint64_t>(emitters), length);
    } else {
        narrow_ = false;
        widePlanes_ = startPlanes(emitters, length);
    }
}

void ParticleRowsByNeed::makeRow() {
    const bool last = made_ == particleRows - 1;
    rows_[made_++] = narrow_ ? planeRow(narrowPlanes_, last) : planeRow(widePlanes_, last);
}

} // namespace rca
