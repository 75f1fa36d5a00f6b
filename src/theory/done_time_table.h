#pragma once
// The done time of line I of every start line of one length on the Circle,
// stepped once per class of turned lines. A run that must keep its lines in
// line order (for a cases file) then looks the done times up instead of
// stepping every line.
#include "engine/lane_path.h"
#include "theory/verdict.h"

#include <vector>

namespace rca {

class DoneTimeTable {
  public:
    // The longest length whose table stays within 256 MB.
    static constexpr int32_t largestLength = 26;
    static bool fits(int32_t length) { return length >= 1 && length <= largestLength; }

    // Built on `threads` threads; the rule's border must be the Circle.
    DoneTimeTable(int32_t length, const VerdictRule& rule, LanePath path, int threads);

    // The done times of line I and line II of the trial of these B cells,
    // as lineDoneTime gives them (-1 past the step limit).
    int32_t lineI(CellBits bCells) const { return times_[index(bCells)]; }
    int32_t lineII(CellBits bCells) const { return times_[index(~bCells)]; }

  private:
    size_t index(CellBits bCells) const { return static_cast<size_t>(bCells) & cells_; }

    std::vector<int32_t> times_;
    size_t cells_;
};

} // namespace rca
