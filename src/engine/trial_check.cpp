#include "engine/trial_check.h"

#include "engine/batch_stats_commands.h"
#include "engine/random.h"
#include "engine/trial_outcome.h"
#include "forms/bench.h"

namespace rca {

namespace {

bool interactiveCheck(Bench& wb) {
    const Model& m = wb.model();
    if (m.lineIDone == 0 || m.lineIIDone == 0 || m.stepTime <= 2) return false;
    wb.run("evaluateTrial");
    return true;
}

bool batchCheck(Bench& wb) {
    MainControls& f = wb.form1();
    switch (batchTrialCheck(wb.model(), [] { return timeOfDaySeed(); })) {
    case BatchCheck::Running:
        return false;
    case BatchCheck::BatchComplete:
        writeBatchDisplay(wb);
        f.Timer1.setEnabled(false);
        f.Timer10.setEnabled(false);
        return true;
    case BatchCheck::Counted:
        f.Timer1.setEnabled(false);
        f.Timer10.setEnabled(true);
        writeBatchDisplay(wb);
        return true;
    }
    return false;
}

} // namespace

bool trialEnded(Bench& wb) {
    return wb.form1().Timer101.checked() ? batchCheck(wb) : interactiveCheck(wb);
}

void abandonTrial(Bench& wb) {
    if (const auto& fn = wb.state<TrialCheck>().abandoned) fn(wb);
}

void showStepTime(Bench& wb) {
    wb.form1().StatusBar1.setText(std::to_string(wb.model().stepTime));
}

void stopRunAtCap(Bench& wb) {
    wb.form1().Timer1.setEnabled(false);
    showStepTime(wb);
}

} // namespace rca
