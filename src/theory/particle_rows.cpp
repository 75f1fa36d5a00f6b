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

// On words of type W, which hold the ring (length >= 3).
template <class W> ParticleRows planeRows(W emitters, int length) {
    const W cells = length == 8 * sizeof(W) ? ~W{0} : (W{1} << length) - 1;
    // Left movers (1 or 3), right movers (2 or 3) and rings (4) of the row.
    W left = emitters & cells, right = left, ring = 0;
    ParticleRows rows{};
    for (int r = 0; r + 1 < particleRows; ++r) {
        // Facing movers across a cell border annihilate: the right mover on
        // the left and the left mover on the right. Sequentially or at once
        // gives the same on a ring of three or more cells.
        const W marks = fromLeft(right, length, cells) & left;
        right &= ~fromRight(marks, length);
        left &= ~marks;
        // Empty cells beside a meeting become rings.
        const W empty = cells & ~(left | right | ring);
        ring |= (marks | fromRight(marks, length)) & empty;
        rows[r] = left | right | ring;
        // Movers converging on a cell make a ring there; the rest move on;
        // this row's rings emit pairs.
        const W rightIn = fromLeft(right, length, cells);
        const W leftIn = fromRight(left, length);
        const W collide = rightIn & leftIn;
        left = (leftIn & ~collide) | ring;
        right = (rightIn & ~collide) | ring;
        ring = collide & ~ring;
    }
    rows[particleRows - 1] = left | right | ring;
    return rows;
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

ParticleRows particleRowsOf(CellBits emitters, int length) {
    length = boundedLength(length);
    if (length < 3) return gridRows(emitters, length);
    if (length <= 64) return planeRows(static_cast<uint64_t>(emitters), length);
    return planeRows(emitters, length);
}

} // namespace rca
