#pragma once
// The figures of a headless batch as values: the command line prints them,
// the Python module hands them over, and neither reads the other's text.
#include "engine/headless_batch.h"
#include "headless/sweep_runner.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rca {

// Nothing where there is no value (the average of an empty class, no seed).
using FigureValue = std::variant<std::monostate, int64_t, bool, std::string>;

struct Figure {
    std::string name;
    FigureValue value;
};
using Figures = std::vector<Figure>;

// The program's version and the settings first, then every counter, time sum
// and average of the batch mode, the three tallies, the steps stepped and
// whether the batch ran to its end.
Figures batchFigures(const HeadlessBatchConfig& config, const HeadlessBatchResult& result);

// One configuration's figures, its place in the full list first.
Figures sweepFigures(const SweepItem& item, const HeadlessBatchResult& result);

} // namespace rca
