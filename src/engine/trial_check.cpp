#include "engine/trial_check.h"

#include "app/workbench.h"
#include "engine/batch_stats_commands.h"
#include "engine/random.h"
#include "engine/trial_outcome.h"

namespace rca {

namespace {

bool interactiveCheck(Workbench& wb) {
    const Model& m = wb.model();
    if (m.lineIDone == 0 || m.lineIIDone == 0 || m.stepTime <= 2) return false;
    wb.run("evaluateTrial");
    return true;
}

bool batchCheck(Workbench& wb) {
    TForm1& f = wb.form1();
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

void installTrialCheck(Workbench& wb) {
    Workbench* w = &wb;
    wb.trialCheck = [w] {
        return w->form1().Timer101.checked() ? batchCheck(*w) : interactiveCheck(*w);
    };
}

} // namespace rca
