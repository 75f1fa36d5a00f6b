#pragma once
// Rotations of a start line on the Circle, whose done times do not change
// when the ring is turned: a length's lines fall into classes of turned
// copies, and the done times of one member serve the whole class.
#include "engine/fast_step.h"

#include <cstdint>
#include <vector>

namespace rca {

// The line of `length` cells (1..64, bit i is cell i) turned so that cell i
// goes to cell i + k mod length, for 0 <= k < length.
inline uint64_t turnRing(uint64_t line, int k, int length) {
    if (k == 0) return line;
    const uint64_t cells = length == 64 ? ~uint64_t{0} : (uint64_t{1} << length) - 1;
    return ((line << k) | (line >> (length - k))) & cells;
}

// True when no turn of the line is a smaller number: the one member of its
// class that stands for it.
bool isLeastTurn(uint64_t line, int length);

// The turns that bring the line back to itself, the least of them: the
// number of distinct lines in its class.
int ringPeriod(uint64_t line, int length);

// The lines first .. end - 1 that are least turns, appended to `out`.
void appendLeastTurns(uint64_t first, uint64_t end, int length, std::vector<CellBits>& out);

// `f` on each line of the class of `least`, once each, in turn order.
template <class F> void forEachTurn(uint64_t least, int length, F&& f) {
    for (int turn = 0, period = ringPeriod(least, length); turn < period; ++turn)
        f(turnRing(least, turn, length));
}

} // namespace rca
