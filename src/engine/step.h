#pragma once
// One step of the automaton, as pure functions over the model.
#include "state/engine_state.h"

namespace rca {

// Computes every cell's next value from `in` into `out`, cells 0 .. length-1.
// A cell holding anything but C, B or A is left out: its `out` entry keeps
// whatever it held.
void stepLineRule(const Line& in, Line& out, int length, bool circle, const NeighbourMask& mask);

// Steps 1 to 7 of one step: both lines, accumulators, time, counts, done
// markers and end lines. The trial check (step 8) is the caller's.
void stepBothLines(EngineState& m);

// Exchanges B and C in cells 0 .. length-1 (A stays): the rule's time mirror.
void swapBC(Line& line, int length);

// Counts of C, B and A over cells 0 .. length-1.
struct StateCounts {
    int32_t c = 0, b = 0, a = 0;
};
StateCounts countStates(const Line& line, int length);

} // namespace rca
