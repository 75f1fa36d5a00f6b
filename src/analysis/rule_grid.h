#pragma once
// Geometry of the rule view: the 45 x 25 grid of 14-pixel cells, the bands
// right of and below it that edit the weight profiles, and the arithmetic of
// the weights, the grey shade and the highlighted count interval.
#include "analysis/rule_view_state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rca {

constexpr int ruleCell = 14;
constexpr int ruleGridWidth = ruleColumns * ruleCell; // 630
constexpr int ruleGridHeight = ruleRows * ruleCell;   // 350
constexpr int ruleBandRight = 728;                    // x end of the row-weight bands
constexpr int ruleBandBottom = 448;                   // y end of the column-weight bands
constexpr double ruleWeightScale = 70.0;              // pixels per weight unit

struct RuleEntry {
    int a = 0, b = 0, c = 0, d = 0;
    int row() const { return a * 5 + b; }
    int column() const { return c * 9 + d; }
    int index() const { return rcaIndex(a, b, c, d); }
};

RuleEntry entryOf(int row, int column);
RuleEntry entryOfIndex(int index);
// The entry under a point of the grid, nothing outside it.
std::optional<RuleEntry> entryAt(int x, int y);

// 0 inside the grid, 1 .. 3 the three bands, 4 beyond them (or left of /
// above the surface). `gridEnd` is 630 across and 350 down.
int bandZone(int v, int gridEnd);

// Where a press happened, kept until the button is released.
struct RulePress {
    int x = 0, y = 0;
    int zoneX = 4, zoneY = 4;
};
RulePress pressAt(int x, int y);

// A value outside 0 .. 1 (or not a number) becomes the nearest bound (0 for NaN).
double clampWeight(double w);
// Clamps every weight; returns how many changed.
int clampWeights(std::array<double, ruleColumns>& columns, std::array<double, ruleRows>& rows);

// The drag from `press` to (x, y): below the grid it moves column weights by
// dy / 70 (one column, the same column of every block, or a whole block),
// right of it row weights by dx / 70. A drag whose column or row lies beyond
// the grid (the corner) writes no weight. All weights are clamped afterwards.
void applyDrag(const RulePress& press, int x, int y, std::array<double, ruleColumns>& columns,
               std::array<double, ruleRows>& rows);

// Screen offset of a weight's profile segment from the grid's edge.
int profileOffset(double w);

// The largest count over every entry but (0, 0, 0, 0); 0 when none is positive.
int32_t largestCount(const std::array<int32_t, rcaPlane>& counts);
// Grey lightness 1 - n / largest, kept inside 0 .. 1 (black when largest <= 0).
double countLightness(int32_t n, int32_t largest);

// T < n < T + T * P / 100, in real arithmetic.
bool inCountInterval(int32_t n, int32_t threshold, int32_t percent);
// The threshold moved down ('<=') or up ('=>') by P percent of itself,
// truncated toward zero and kept inside the 32-bit range.
int32_t shiftedThreshold(int32_t threshold, int32_t percent, bool up);

// The count of the entry at (row, column) as the charts show it: entry
// (0, 0, 0, 0) counts as 0, and a row or column outside the grid is kept
// at its nearest edge.
int32_t chartCount(const std::array<int32_t, rcaPlane>& counts, int row, int column);

} // namespace rca
