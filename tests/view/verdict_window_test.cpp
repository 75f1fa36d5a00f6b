// The verdict engine against the window: the same lines set up by 'Random'
// with the controls, run by 'GO' in the clock view with 'Prediction' "Yes",
// give the same verdict, end step and first differing row and column.
#include "engine/random.h"
#include "headless/batch_options.h"
#include "theory/verdict.h"
#include "window_verdict.h"

#include <gtest/gtest.h>

#include <string>

namespace rca {
namespace {

struct WindowCase {
    int32_t length;
    const char* mask;
    int32_t border; // 0 Frozen A, 1 Circle
    int32_t bCount, lines, stepLimit;
};

// Rings shorter than three (the model's grid fallback) and than the lane
// margin, the 'G' test's mask, both borders, long trials whose marks pass
// the model's 20 rows, and a mask that never lets a trial end.
const WindowCase windowCases[] = {
    {2, "L1,R1", 1, 1, 4, 200},      {4, "L1,R1,R2", 0, 2, 8, 200},
    {7, "L1,R1", 1, 3, 20, 400},     {8, "L1,R1,R2", 1, 4, 20, 400},
    {11, "L1,R1", 1, 4, 25, 400},    {11, "L1,R1,R2", 0, 5, 20, 400},
    {13, "L2,R1,R3", 1, 6, 15, 600}, {16, "L1,L3,R1,R2", 0, 8, 10, 600},
    {20, "L1,R1,R2", 1, 8, 6, 2000}, {7, "none", 1, 3, 3, 60},
};

void setUpControls(Workbench& wb, const WindowCase& c) {
    MainControls& f = wb.form1();
    const NeighbourMask mask = parseMask(c.mask);
    f.Edit1.setText(std::to_string(c.length));
    f.Edit2.setText("1");
    f.Edit7.setText(std::to_string(c.bCount));
    for (int d = 1; d <= maxDistance; ++d) {
        f.maskLeft[d]->setChecked(mask.left[d]);
        f.maskRight[d]->setChecked(mask.right[d]);
    }
    f.RadioGroup2.setItemIndex(c.border);
    f.CheckBox33.setChecked(false);
    f.RadioGroup12.setItemIndex(0);
}

TEST(VerdictWindow, EngineGivesTheWindowsVerdictForRandomLines) {
    int oks = 0, nots = 0, timeouts = 0;
    for (const WindowCase& c : windowCases) {
        Workbench wb;
        wb.startUp();
        setUpControls(wb, c);
        VerdictRule rule;
        rule.mask = parseMask(c.mask);
        rule.borderMode = c.border;
        rule.stepLimit = c.stepLimit;
        for (int k = 0; k < c.lines; ++k) {
            wb.run("Button58Click");
            const Model& m = wb.model();
            const CellBits line = bCellsOf(m.startLineI, m.lineLength);
            const WindowVerdict w = runWindowTrial(wb, c.stepLimit);
            const LineVerdict v = lineVerdict(line, c.length, rule);
            SCOPED_TRACE(std::string("L=") + std::to_string(c.length) + " mask " + c.mask +
                         " line " + std::to_string(static_cast<uint64_t>(line)));
            if (w.label == "X") {
                EXPECT_EQ(v.verdict, Verdict::Timeout);
                ++timeouts;
                continue;
            }
            EXPECT_EQ(verdictText(v.verdict), w.label);
            EXPECT_EQ(v.endStep, w.steps);
            EXPECT_EQ(v.row, w.row);
            EXPECT_EQ(v.column, w.column);
            (w.label == "OK!!" ? oks : nots)++;
        }
    }
    // The table reaches every verdict.
    EXPECT_GT(oks, 10);
    EXPECT_GT(nots, 10);
    EXPECT_GT(timeouts, 0);
}

} // namespace
} // namespace rca
