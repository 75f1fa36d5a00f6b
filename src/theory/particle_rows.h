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

// The movers and rings of one row, on words of type W that hold the ring.
template <class W> struct ParticlePlanes {
    W left{}, right{}, ring{}, cells{};
    int length = 0;
};

// theoryNonzero rows 0..20 over cells 0 .. length-1 for a start line whose
// non-A cells are `emitters` (bit i: cell i), on a ring of `length` cells,
// as 'L=' leaves it (squareCols = lineLength). Every later row is empty.
// Rows are made only when asked for: most lines part from the model within
// its first rows.
class ParticleRowsByNeed {
  public:
    ParticleRowsByNeed(CellBits emitters, int length);
    // Row r of 0 .. particleRows-1.
    CellBits operator[](int r) {
        while (made_ <= r)
            makeRow();
        return rows_[r];
    }
    const ParticleRows& all() {
        (*this)[particleRows - 1];
        return rows_;
    }

  private:
    void makeRow();

    ParticleRows rows_; // rows from made_ on are not made yet
    int made_ = 0;
    bool narrow_ = true; // 64-bit planes
    ParticlePlanes<uint64_t> narrowPlanes_;
    ParticlePlanes<CellBits> widePlanes_;
};

inline ParticleRows particleRowsOf(CellBits emitters, int length) {
    return ParticleRowsByNeed(emitters, length).all();
}

} // namespace rca
