#include "files/square_reset.h"

#include <algorithm>

namespace rca {

void resetForSquareRead(EngineState& m, bool full) {
    const int n = boundedLength(m.lineLength);
    m.doneTimeI = m.doneTimeII = 0;
    std::fill_n(m.cellDriftI.begin(), n, 0);
    std::fill_n(m.cellDriftII.begin(), n, 0);
    if (full) {
        std::fill_n(m.cellClockI.begin(), n, 0);
        std::fill_n(m.cellClockII.begin(), n, 0);
        m.endLineITaken = m.endLineIITaken = false;
    }
    m.lineIDone = m.lineIIDone = 0;
    m.stepTime = 0;
    m.pressCount = -17;
}

} // namespace rca
