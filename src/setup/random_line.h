#pragma once
// The pure part of the trial set-up 'Random': run-state reset and the random
// line, over the model alone (no controls, no canvas, no files).
#include "engine/engine_state.h"
#include "setup/setup_state.h"

namespace rca {

// 'Random' steps 2 to 4 on the engine state: accumulators of cells
// 0 .. lineLength-1, done markers and times, end-line flags, stepTime = 0,
// pressCount = -17. (Mark grids are the picture's and cleared separately.)
void resetTrialRunState(EngineState& m);

// 'Random' steps 8 to 12: all-A line, cPointCount C draws then bPointCount B
// draws from m.randomState (counts bounded to the 4900-entry lists, no draws
// when lineLength is 0), placement (C cells discarded), startLineI, lineII.
void drawRandomLine(EngineState& m, SetupState& s);

} // namespace rca
