#pragma once
// The 'Results' panel: the evaluation of a finished trial and its reset.
#include "engine/batch_stats_display.h"

namespace rca {

class TForm1;
class Workbench;

void showLabels(TForm1& form, const LabelTexts& texts);

// Sets the result labels to "X"; the theory verdict Label57 is left alone.
void resetResults(Workbench& wb);

// Stops the run, runs the theory check or its stand-in, computes the outcome
// flags and tallies, and fills the panel.
void evaluateTrial(Workbench& wb);

} // namespace rca
