#include "analysis/t6_plots.h"

#include "forms/canvas.h"

#include <algorithm>

namespace rca {

PlotRange plotRange(int32_t begin, int32_t end, int32_t size) {
    const int32_t b = std::clamp(begin, 0, size);
    return {b, std::clamp(end, b, size)};
}

std::vector<PlotPoint> viewPlot(const T6State& s) {
    struct Curve {
        int series;
        uint32_t color;
    };
    static constexpr std::array<Curve, viewCurveCount> curves = {
        {{1, clGreen}, {2, clBlue}, {3, clRed}, {7, clBlack}, {4, clBlack}}};
    const PlotRange r = plotRange(s.graphBegin, s.graphEnd, viewCurveLength);
    std::vector<PlotPoint> out;
    out.reserve(static_cast<size_t>(r.end - r.begin) * curves.size());
    for (size_t c = 0; c < curves.size(); ++c)
        for (int32_t i = r.begin; i < r.end; ++i)
            out.push_back(
                {curves[c].series, i, s.viewCurves[c][static_cast<size_t>(i)], curves[c].color});
    return out;
}

namespace {

constexpr std::array<uint32_t, phaseCount> phaseColors = {clRed, clGreen, clBlue};

template <class Fn>
std::vector<PlotPoint> phasePlot(const T6State& s, std::array<bool, phaseCount> phases, Fn point) {
    const PlotRange r = plotRange(s.graphBegin, s.graphEnd, phaseLength);
    std::vector<PlotPoint> out;
    for (int f = 0; f < phaseCount; ++f) {
        if (!phases[static_cast<size_t>(f)]) continue;
        for (int32_t i = r.begin; i < r.end; ++i)
            out.push_back(point(f, i));
    }
    return out;
}

} // namespace

std::vector<PlotPoint> phaseDifferencePlot(const T6State& s, std::array<bool, phaseCount> phases) {
    return phasePlot(s, phases, [&s](int f, int32_t i) {
        const auto k = static_cast<size_t>(f), at = static_cast<size_t>(i);
        const int64_t y = int64_t{s.phaseFirst[k][at]} + 200 * f - s.phaseSecond[k][at];
        return PlotPoint{f + 1, i, y, phaseColors[k]};
    });
}

std::vector<PlotPoint> phaseValuePlot(const T6State& s, std::array<bool, phaseCount> phases,
                                      bool second) {
    // Below the threshold and cut at it, by phase.
    static constexpr std::array<std::array<uint32_t, 2>, phaseCount> colors = {
        {{clRed, clGreen}, {clGreen, clRed}, {clBlue, clBlue}}};
    return phasePlot(s, phases, [&s, second](int f, int32_t i) {
        const auto k = static_cast<size_t>(f), at = static_cast<size_t>(i);
        const int32_t v = second ? s.phaseSecond[k][at] : s.phaseFirst[k][at];
        const bool cut = v >= s.graphThreshold;
        return PlotPoint{f + 1, i, cut ? s.graphThreshold : v, colors[k][cut ? 1 : 0]};
    });
}

} // namespace rca
