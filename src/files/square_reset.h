#pragma once
// The trial resets around a square-file read, over the engine state alone.
#include "state/engine_state.h"

namespace rca {

// Short form: done times and markers, cellDriftI/II of cells 0 .. L-1 (L as
// before the read), stepTime 0, pressCount -17; the clocks are kept. The full
// form also clears cellClockI/II and the end-line flags.
void resetForSquareRead(EngineState& m, bool full);

} // namespace rca
