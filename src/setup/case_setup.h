#pragma once
// A case of `rcalab-cli verdicts` set up in the workbench as a trial ready
// for 'GO': its length in 'L=', its mask and border, one step per press,
// the clock view with its marks, 'Prediction' "Yes", and its start line.
#include "theory/case_file.h"

namespace rca {

class Bench;

void setUpCase(Bench& wb, const VerdictCase& c);

} // namespace rca
