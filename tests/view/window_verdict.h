#pragma once
// The theory check's verdict as the window reaches it: 'GO' and Timer1 ticks
// until the trial ends, then Label57 and where markCI and theoryNonzero part.
#include "app/workbench.h"

#include <algorithm>
#include <string>

namespace rca {

struct WindowVerdict {
    std::string label; // Label57; "X" when the trial had not ended
    int32_t steps = 0; // ticks, one step each
    int32_t row = -1, column = -1;
};

// At most `limit` ticks; the trial is set up with one step per press.
inline WindowVerdict runWindowTrial(Workbench& wb, int32_t limit) {
    WindowVerdict v;
    wb.run("Button6Click");
    while (wb.form1().Timer1.isEnabled() && v.steps < limit) {
        wb.run("Timer1Timer");
        ++v.steps;
    }
    v.label = wb.form1().Label57.caption();
    const Model& m = wb.model();
    const int last = std::min(m.lastCRowI, 1023);
    for (int r = 0; r <= last && v.row < 0; ++r)
        for (int c = 0; c < m.lineLength && v.row < 0; ++c)
            if (m.markCI[r][c] != m.theoryNonzero[r][c]) v.row = r, v.column = c;
    wb.run("Button7Click");
    return v;
}

} // namespace rca
