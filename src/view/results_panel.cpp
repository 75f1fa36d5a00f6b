#include "view/results_panel.h"

#include "engine/trial_check.h"
#include "engine/trial_outcome.h"
#include "forms/bench.h"
#include "view/results_eval.h"

namespace rca {

void showLabels(MainControls& form, const LabelTexts& texts) {
    for (const auto& [label, text] : texts)
        form.label(label).setCaption(text);
}

void resetResults(Bench& wb) {
    for (const auto& name : resultLabelNames())
        wb.form1().label(name).setCaption("X");
}

void evaluateTrial(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    f.Timer1.setEnabled(false);
    const bool predict = f.RadioGroup12.itemIndex() == 0; // "Yes"
    wb.run(predict ? "Button98Click" : "Button105Click");
    computeTrialOutcome(m);
    showStepTime(wb);
    showLabels(f, resultLabels(m));
    computeMarkMatches(m);
    showLabels(f, matchLabels(m));
    showLabels(f, markSampleLabels(m.markCI));
}

} // namespace rca
