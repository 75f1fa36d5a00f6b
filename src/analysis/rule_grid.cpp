#include "analysis/rule_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rca {

RuleEntry entryOf(int row, int column) {
    return {row / 5, row % 5, column / 9, column % 9};
}

RuleEntry entryOfIndex(int index) {
    return {index / 225, index / 45 % 5, index / 9 % 5, index % 9};
}

std::optional<RuleEntry> entryAt(int x, int y) {
    if (x < 0 || y < 0 || x >= ruleGridWidth || y >= ruleGridHeight) return std::nullopt;
    return entryOf(y / ruleCell, x / ruleCell);
}

int bandZone(int v, int gridEnd) {
    if (v < 0) return 4;
    if (v < gridEnd) return 0;
    if (v < gridEnd + 70) return 1;
    if (v < gridEnd + 84) return 2;
    if (v < gridEnd + 98) return 3;
    return 4;
}

RulePress pressAt(int x, int y) {
    return {x, y, bandZone(x, ruleGridWidth), bandZone(y, ruleGridHeight)};
}

double clampWeight(double w) {
    if (std::isnan(w) || w < 0) return 0;
    return w > 1 ? 1 : w;
}

namespace {

template <size_t N> int clampAll(std::array<double, N>& weights) {
    int changed = 0;
    for (double& w : weights) {
        double c = clampWeight(w);
        // NaN compares unequal to everything, so it counts as changed too.
        if (!(c == w)) ++changed;
        w = c;
    }
    return changed;
}

// Adds `delta` to the weights a band addresses: one (zone 1), the same place
// in each of the five blocks (zone 2) or the whole block of `block` entries
// (zone 3). `at` is the column or row pressed; beyond the profile nothing moves.
template <size_t N>
void moveBand(std::array<double, N>& weights, int zone, int at, int block, double delta) {
    if (at < 0 || at >= static_cast<int>(N)) return;
    const int inBlock = at % block;
    if (zone == 1) {
        weights[at] += delta;
    } else if (zone == 2) {
        for (int i = 0; i < 5; ++i)
            weights[i * block + inBlock] += delta;
    } else if (zone == 3) {
        for (int i = 0; i < block; ++i)
            weights[at - inBlock + i] += delta;
    }
}

} // namespace

int clampWeights(std::array<double, ruleColumns>& columns, std::array<double, ruleRows>& rows) {
    return clampAll(columns) + clampAll(rows);
}

void applyDrag(const RulePress& press, int x, int y, std::array<double, ruleColumns>& columns,
               std::array<double, ruleRows>& rows) {
    // Below the grid the column under the press moves; right of it, the row.
    if (press.zoneX == 0)
        moveBand(columns, press.zoneY, press.x / ruleCell, 9,
                 (static_cast<double>(y) - press.y) / ruleWeightScale);
    clampAll(columns);
    if (press.zoneY == 0)
        moveBand(rows, press.zoneX, press.y / ruleCell, 5,
                 (static_cast<double>(x) - press.x) / ruleWeightScale);
    clampAll(rows);
}

int profileOffset(double w) {
    return static_cast<int>(ruleWeightScale * clampWeight(w));
}

int32_t largestCount(const std::array<int32_t, rcaPlane>& counts) {
    int32_t largest = 0;
    for (int i = 1; i < rcaPlane; ++i)
        largest = std::max(largest, counts[i]);
    return largest;
}

double countLightness(int32_t n, int32_t largest) {
    if (largest <= 0) return 0;
    return std::clamp(1.0 - static_cast<double>(n) / largest, 0.0, 1.0);
}

bool inCountInterval(int32_t n, int32_t threshold, int32_t percent) {
    const double t = threshold;
    return t < n && n < t + t * percent / 100.0;
}

int32_t shiftedThreshold(int32_t threshold, int32_t percent, bool up) {
    const int64_t product = static_cast<int64_t>(threshold) * percent;
    const double step = static_cast<double>(product) / 100.0;
    const double moved = std::trunc(up ? threshold + step : threshold - step);
    return static_cast<int32_t>(std::clamp(moved, double(std::numeric_limits<int32_t>::min()),
                                           double(std::numeric_limits<int32_t>::max())));
}

} // namespace rca

namespace rca {

int32_t chartCount(const std::array<int32_t, rcaPlane>& counts, int row, int column) {
    const int i =
        entryOf(std::clamp(row, 0, ruleRows - 1), std::clamp(column, 0, ruleColumns - 1)).index();
    return i == 0 ? 0 : counts[i];
}

} // namespace rca
