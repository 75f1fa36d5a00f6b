#pragma once
// The texts of the batch mode's hidden display, apart from the labels.
#include "state/batch_stats.h"

#include <string>
#include <utility>
#include <vector>

namespace rca {

// (label name, text) pairs in the order they are written.
using LabelTexts = std::vector<std::pair<std::string, std::string>>;

struct BatchDisplayInputs {
    int leftMaskBits = 0, rightMaskBits = 0; // distance d is bit d - 1, d = 1..5
    int32_t lengthMin = 0, lengthMax = 0;
};

// Label107, Label108, Label109, Label110, Label10, Label31, then the class
// counts and averages. An average whose count is 0 is left out, so its label
// keeps its text.
LabelTexts batchDisplay(const BatchStats& s, const BatchDisplayInputs& in);

} // namespace rca
