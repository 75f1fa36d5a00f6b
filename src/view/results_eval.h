#pragma once
// The 'Results' panel's values, as pure functions over the model.
#include "engine/batch_stats_display.h"
#include "model/model.h"

namespace rca {

// The labels that resetResults sets to "X" (Label57 is not among them).
const std::vector<std::string>& resultLabelNames();

// Label3 .. Label56 in the order the evaluation writes them.
LabelTexts resultLabels(const Model& m);

// The four grid comparisons over rows 0 .. lastCRowI - 1 (within the grids)
// and the line's columns, into the match flags.
void computeMarkMatches(Model& m);

// Label24, Label32, Label38, Label66 from the match flags.
LabelTexts matchLabels(const Model& m);

// The hidden sample of markCI rows 0..4, columns 0..2, row by row.
LabelTexts markSampleLabels(const MarkGrid& markCI);

// The hidden labels that hold the sample, in the order they are filled.
const std::vector<std::string>& markSampleLabelNames();

} // namespace rca
