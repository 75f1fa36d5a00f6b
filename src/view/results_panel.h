#pragma once
// The 'Results' panel: the evaluation of a finished trial and its reset.
#include "engine/batch_stats_display.h"

namespace rca {

class MainControls;
class Bench;

void showLabels(MainControls& form, const LabelTexts& texts);

// Sets the result labels to "X"; the theory verdict Label57 is left alone.
void resetResults(Bench& wb);

// Stops the run, runs the theory check or its stand-in, computes the outcome
// flags and tallies, and fills the panel.
void evaluateTrial(Bench& wb);

} // namespace rca
