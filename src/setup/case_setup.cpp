#include "setup/case_setup.h"

#include "engine/random_line.h"
#include "forms/bench.h"
#include "setup/trial_setup.h"

#include <string>

namespace rca {

namespace {

// The settings the verdict assumes, through the controls as a user sets them.
void applyCaseSettings(Bench& wb, const VerdictCase& c) {
    MainControls& f = wb.form1();
    wb.run("Button7Click"); // no continuous run or batch mode stays on
    f.Edit1.setText(std::to_string(c.length));
    f.Edit2.setText("1");
    for (int d = 1; d <= maxDistance; ++d) {
        f.maskLeft[d]->setChecked(c.rule.mask.left[d]);
        f.maskRight[d]->setChecked(c.rule.mask.right[d]);
    }
    f.RadioGroup2.setItemIndex(c.rule.borderMode == 0 ? 0 : 1);
    f.notpaint1.setChecked(false);
    f.CheckBox33.setChecked(false);
    // The clock view records C marks only while 'mC' is checked.
    for (CheckBox* box :
         {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32})
        box->setChecked(true);
    f.RadioGroup12.setItemIndex(0);
}

// 'Random' with the case's B cells in place of the drawn ones.
void setUpCaseLine(Bench& wb, const VerdictCase& c) {
    Model& m = wb.model();
    wb.run("resetResults");
    trialResetSteps2to8(wb, 0);
    m.cPositionCount = 0;
    m.bPositionCount = 0;
    for (int i = 0; i < c.length; ++i)
        if ((c.bCells >> i) & 1) m.bPositions[m.bPositionCount++] = static_cast<int16_t>(i);
    m.bPointCount = m.bPositionCount;
    finishTrialLines(wb);
    wb.form1().Label57.setCaption("X");
    wb.run("Button5Click");
}

} // namespace

void setUpCase(Bench& wb, const VerdictCase& c) {
    applyCaseSettings(wb, c);
    setUpCaseLine(wb, c);
}

} // namespace rca
