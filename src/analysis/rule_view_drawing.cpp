#include "analysis/rule_view_drawing.h"

#include "analysis/rule_grid.h"
#include "view/colors.h"

#include <algorithm>

namespace rca {

namespace {

void filledCircle(Canvas& cv, int x1, int y1, int x2, int y2, uint32_t color) {
    cv.pen = {color, PenStyle::Clear, 1};
    cv.brush = {color, BrushStyle::Solid};
    cv.ellipse(x1, y1, x2, y2);
}

void paintEntry(Canvas& cv, const RcaTable& table, const RuleViewState& s, int index,
                int32_t largest, RuleViewPaint how) {
    const RuleEntry e = entryOfIndex(index);
    const int x0 = e.column() * ruleCell, y0 = e.row() * ruleCell;
    if (isFixed(table, index)) cv.fillRect(x0, y0, x0 + ruleCell, y0 + ruleCell, ruleCyan);
    if (ruleBit(table, index)) {
        cv.pen = {ruleOlive, PenStyle::Solid, 2};
        cv.brush.style = BrushStyle::Clear;
        cv.ellipse(x0, y0, x0 + ruleCell, y0 + ruleCell);
    }
    const int32_t n = s.usageCounts[index];
    if (n > 0)
        filledCircle(cv, x0 + 2, y0 + 2, x0 + 12, y0 + 12, greyLevel(countLightness(n, largest)));
    if (how.intervalMarks && inCountInterval(n, s.countThreshold, s.countPercent))
        filledCircle(cv, x0 + 1, y0 + 1, x0 + 13, y0 + 13, clRed);
}

// Lines at `from`, from + step, ... up to `to`, across `a` .. `b`.
void lines(Canvas& cv, bool horizontal, int from, int to, int step, int a, int b) {
    for (int v = from; v <= to; v += step)
        horizontal ? cv.line(a, v, b, v) : cv.line(v, a, v, b);
}

void paintGridLines(Canvas& cv) {
    cv.pen = {clRed, PenStyle::Solid, 1};
    lines(cv, true, 70, 350, 70, 0, ruleBandRight);
    lines(cv, true, 14, 336, 14, ruleGridWidth, 714);
    lines(cv, true, 420, 448, 14, 0, ruleGridWidth);
    lines(cv, false, 126, 630, 126, 0, ruleBandBottom);
    lines(cv, false, 14, 616, 14, ruleGridHeight, 434);
    lines(cv, false, 700, 728, 14, 0, ruleGridHeight);
}

void paintProfiles(Canvas& cv, const RuleViewState& s) {
    cv.pen = {ruleProfile, PenStyle::Solid, 3};
    for (int k = 0; k < ruleColumns; ++k) {
        const int y = ruleGridHeight + profileOffset(s.columnWeights[k]);
        cv.line(ruleCell * k, y, ruleCell * k + ruleCell, y);
    }
    for (int r = 0; r < ruleRows; ++r) {
        const int x = ruleGridWidth + profileOffset(s.rowWeights[r]);
        cv.line(x, ruleCell * r, x, ruleCell * r + ruleCell);
    }
}

int middleOf(int rowOrColumn, int count) {
    return ruleCell * std::clamp(rowOrColumn, 0, count - 1) + ruleCell / 2;
}

void paintChartMarks(Canvas& cv, const RuleViewState& s) {
    auto mark = [&cv](int x, int y, uint32_t color) {
        filledCircle(cv, x - 4, y - 4, x + 4, y + 4, color);
    };
    mark(ruleGridWidth, middleOf(s.chartRow1, ruleRows), ruleProfile);
    mark(ruleGridWidth, middleOf(s.chartRow2, ruleRows), clRed);
    mark(middleOf(s.chartColumn1, ruleColumns), ruleGridHeight, ruleProfile);
    mark(middleOf(s.chartColumn2, ruleColumns), ruleGridHeight, clRed);
}

} // namespace

void paintRuleView(Canvas& cv, const RcaTable& table, const RuleViewState& s, RuleViewPaint how) {
    if (how.erase) cv.fillRect(0, 0, ruleBandRight + 1, ruleBandBottom + 1, clBtnFace);
    const int32_t largest = largestCount(s.usageCounts);
    for (int i = 0; i < rcaPlane; ++i)
        paintEntry(cv, table, s, i, largest, how);
    paintGridLines(cv);
    paintProfiles(cv, s);
    paintChartMarks(cv, s);
}

} // namespace rca
