#pragma once
// The graph window's plots as lists of points: which series, where, in which
// colour. The interval is bounded to each series' size and starts at 0 at the
// least, so a typed range never reads outside the recorded values.
#include "analysis/t6_state.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rca {

// Series are numbered as the window names them: 1, 2, 3 and 7 are the first
// chart's, 4, 5 and 6 the second's.
struct PlotPoint {
    int series = 0;
    int32_t x = 0;
    int64_t y = 0;
    uint32_t color = 0;
};

struct PlotRange {
    int32_t begin = 0, end = 0; // [begin, end); empty when begin == end
};

PlotRange plotRange(int32_t begin, int32_t end, int32_t size);

// 'View': curves 1 .. 5 to series 1 (green), 2 (blue), 3 (red), 7 and 4 (black).
std::vector<PlotPoint> viewPlot(const T6State& s);

// '0-1': first - second of each checked phase f, lifted by 200 f, to series
// f + 1 in red, green, blue.
std::vector<PlotPoint> phaseDifferencePlot(const T6State& s, std::array<bool, phaseCount> phases);

// '0' (second = false) and '1' (second = true): the values of each checked
// phase, cut at the threshold, to series f + 1; the colour tells a cut point.
std::vector<PlotPoint> phaseValuePlot(const T6State& s, std::array<bool, phaseCount> phases,
                                      bool second);

} // namespace rca
