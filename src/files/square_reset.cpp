#include "files/square_reset.h"

#include "engine/random_line.h"

#include <algorithm>

namespace rca {

void resetForSquareRead(EngineState& m, bool full) {
    // The full form is a trial set-up's reset; the short one keeps the clocks
    // and the end-line flags.
    if (full) {
        resetTrialRunState(m);
        return;
    }
    const int n = boundedLength(m.lineLength);
    std::fill_n(m.cellDriftI.begin(), n, 0);
    std::fill_n(m.cellDriftII.begin(), n, 0);
    m.doneTimeI = m.doneTimeII = 0;
    m.lineIDone = m.lineIIDone = 0;
    m.stepTime = 0;
    m.pressCount = -17;
}

} // namespace rca
