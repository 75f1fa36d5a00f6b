#include "theory/ring_rotation.h"

namespace rca {

bool isLeastTurn(uint64_t line, int length) {
    for (int k = 1; k < length; ++k)
        if (turnRing(line, k, length) < line) return false;
    return true;
}

void appendLeastTurns(uint64_t first, uint64_t end, int length, std::vector<CellBits>& out) {
    for (uint64_t x = first; x < end; ++x)
        if (isLeastTurn(x, length)) out.push_back(x);
}

int ringPeriod(uint64_t line, int length) {
    for (int k = 1; k < length; ++k)
        if (turnRing(line, k, length) == line) return k;
    return length;
}

} // namespace rca
