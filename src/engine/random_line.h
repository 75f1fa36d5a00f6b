#pragma once
// The pure part of the trial set-up 'Random': run-state reset and the random
// line, over the model alone (no controls, no canvas, no files).
#include "state/engine_state.h"
#include "state/picture_state.h"
#include "state/setup_state.h"

namespace rca {

// 'Random' steps 2 to 4 on the engine state: accumulators of cells
// 0 .. lineLength-1, done markers and times, end-line flags, stepTime = 0,
// pressCount = -17. (Mark grids are the picture's and cleared separately.)
void resetTrialRunState(EngineState& m);

// The part of resetTrialRunState that leaves the accumulators alone.
void resetTrialMarkers(EngineState& m);

// Rows 0..1023 of the six mark grids, columns 0 .. length-1.
void clearMarkGrids(PictureState& p, int32_t length);

// 'Random' steps 8 to 12: all-A line, cPointCount C draws then bPointCount B
// draws from m.randomState (counts bounded to the 4900-entry lists, no draws
// when lineLength is 0), placement (C cells discarded), startLineI, lineII.
void drawRandomLine(EngineState& m, SetupState& s);

// Cells 0 .. lineLength-1 of lineI := A.
void fillLineIWithA(EngineState& m);

// Step 9: the C list, then the B list, each `count` draws of (draw mod L).
void drawPointLists(EngineState& m, SetupState& s);

// Steps 10 and 11: lineI and nextLineI all A, the C positions placed, A again,
// then the B positions. Positions outside 0..99 are skipped.
void placePointLists(EngineState& m, const SetupState& s);

// Step 12: startLineI := lineI; lineII is lineI with A and B exchanged.
void deriveTrialLines(EngineState& m);

// Cells 0 .. lineLength-1: lineII := B where lineI is A, A where lineI is B;
// any other cell of lineI leaves lineII as it was.
void mirrorIntoLineII(EngineState& m);

// A list count kept inside 0 .. maxPoints.
int32_t boundedPointCount(int32_t count);

} // namespace rca
