#include "theory/ring_rotation.h"

namespace rca {

bool isLeastTurn(uint64_t line, int length) {
    for (int k = 1; k < length; ++k)
        if (turnRing(line, k, length) < line) return false;
    return true;
}

int ringPeriod(uint64_t line, int length) {
    for (int k = 1; k < length; ++k)
        if (turnRing(line, k, length) == line) return k;
    return length;
}

} // namespace rca
