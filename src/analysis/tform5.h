#pragma once
// 'Show T6': the tallies of the period-six trials as a triangle of numbers,
// one row per second-point row, trial 0 at the top.
#include "forms/form.h"

#include <array>

namespace rca {

constexpr int t6ShownTallies = 37;

class TForm5 : public Form {
  public:
    TForm5();

    RCA_CONTROL(Label, LabelTitle, "Trials: tallies by second point (x, y), row y + 1");
    // Label n (1 .. 37, reading order) shows tally n - 1.
    std::array<Label*, t6ShownTallies> tallies{};
};

} // namespace rca
