// Single and backward batches, GO/Stop, Reverse, timer speeds and the
// 'Timer10' batch runner.
#include "engine/batch_runner.h"
#include "engine/run_control.h"
#include "engine/step.h"
#include "engine/trial_check.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/batch_outputs.h"

#include <string>

namespace rca {

namespace {

bool twoDimensional(const MainControls& f) {
    return f.RadioGroup8.itemIndex() == 1;
}

// The time mirror of the rule, on lineI or, in "2 dim.", on the square field.
void mirror(Bench& wb) {
    Model& m = wb.model();
    if (twoDimensional(wb.form1()))
        swapSquareBC(m, m.squareRows, m.squareCols);
    else
        swapBC(m.lineI, m.lineLength);
}

// Button50Click: one batch run backwards on the mirrored line.
void backwardBatch(Bench& wb) {
    Model& m = wb.model();
    m.singleStepMode = true;
    m.reverseMode = !m.reverseMode;
    mirror(wb);
    wb.run("Button2Click");
    mirror(wb);
    wb.run("Button3Click");
    m.reverseMode = !m.reverseMode;
    m.singleStepMode = false;
}

// Button72Click: line I ends one batch back, line II fifteen ahead.
void oneBatchBack(Bench& wb) {
    for (int k = 0; k < 8; ++k)
        wb.run("Button50Click");
    for (int k = 0; k < 7; ++k)
        wb.run("Button1Click");
}

void showDirection(Bench& wb) {
    const bool forward = !wb.model().reverseMode;
    wb.form1().Label21.setCaption(forward ? "+" : "-");
    wb.form1().GroupBoxManage.setColor(forward ? clYellow : clHighlight);
}

// Button10Click.
void reverse(Bench& wb) {
    mirror(wb);
    wb.model().reverseMode = !wb.model().reverseMode;
    showDirection(wb);
    wb.run("Button3Click");
}

// Button7Click, in this order.
void stop(Bench& wb) {
    MainControls& f = wb.form1();
    abandonTrial(wb);
    f.zaplambdX1.setChecked(false);
    f.Timer10.setEnabled(false);
    f.Timer101.setChecked(false);
    f.GroupBoxManage.setColor(clBtnFace);
    f.Dontshow1.setChecked(false);
    f.Timer1.setEnabled(false);
    f.Timer2.setEnabled(false);
    f.Button6.setEnabled(true);
    f.Timer3.setEnabled(false);
    // 'Read RCA->"Square"' opens its window now and keeps no mark, so the
    // first 'Write Qhist' output closes whenever it is open.
    wb.state<BatchOutputs>().close(1);
}

// Button69Click. The per-cell experiment accumulators it clears belong to
// experiments this program does not have; only the erase remains, over the
// area of 'Clear all'.
void clearExperiment(Bench& wb) {
    if (twoDimensional(wb.form1())) wb.run("Clearall1Click");
}

// Timer10Timer: the next batch-mode trial.
void nextBatchTrial(Bench& wb) {
    Model& m = wb.model();
    MainControls& f = wb.form1();
    const BatchTrialDraw d = drawBatchTrial(m.randomState, m.batchLengthMin, m.batchLengthMax);
    writeField(wb, f.Edit1, d.length);
    if (m.lineLength > 0) m.cellWidth = m.cellHeight = 500 / m.lineLength;
    writeField(wb, f.Edit7, d.bCount);
    wb.run("Button58Click");
    wb.run("Button6Click");
    f.Timer10.setEnabled(false);
}

// Timer101Click: batch mode on or off; either way a trial starts.
void toggleBatchMode(Bench& wb) {
    MainControls& f = wb.form1();
    f.Timer101.toggle();
    clearBatchCounters(wb.model(), wb.model());
    f.Timer10.setEnabled(true);
}

// UpDown5Click: restart the stored trial with the clock view scrolled.
void setClockOrigin(Bench& wb) {
    const int origin = wb.form1().UpDown5.position();
    wb.model().clockOrigin = origin;
    wb.form1().Label69.setCaption(std::to_string(origin));
    wb.run("Button106Click");
    wb.run("Button6Click");
}

void toggles(Bench& wb) {
    MainControls& f = wb.form1();
    // Check marks that only toggle themselves; the run stops by the trial
    // check whatever the Stop items say.
    for (MenuItem* item :
         {&f.Dontshow1, &f.ShowI1, &f.ShowII1, &f.Nonreversible1, &f.NOTSTOP1, &f.IsStopwhenN1,
          &f.IsStopwhenNC01, &f.IaStopwhenReverse1, &f.IsStopwheniCX1})
        defineToggle(wb, *item);
}

} // namespace

void registerRunControl(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    Model& m = wb.model();

    define(wb, f.Button50, "Click", [w] { backwardBatch(*w); });
    define(wb, f.Button72, "Click", [w] { oneBatchBack(*w); });
    // The '-' next to 'n steps' is the backward batch itself: stepsPerPress
    // steps back on line I, so time and line I move back together. Run
    // literally (mirroring only the square field, which the step never
    // reads) it would step both lines forward while stepTime counted down,
    // drawing later states on earlier rows. In "2 dim." the backward batch
    // mirrors the square field, which is that literal behaviour.
    define(wb, f.Button57, "Click", [w] { backwardBatch(*w); });
    define(wb, f.Button6, "Click", [w] { w->form1().Timer1.setEnabled(true); });
    define(wb, f.Button7, "Click", [w] { stop(*w); });
    define(wb, f.Button10, "Click", [w] { reverse(*w); });
    define(wb, f.Button56, "Click", [w, &m] {
        m.stepTime = 0;
        showStepTime(*w);
    });
    define(wb, f.Button69, "Click", [w] { clearExperiment(*w); });
    define(wb, f.UpDown5, "Click", [w] { setClockOrigin(*w); });
    define(wb, f.Time21, "Click",
           [&t = f.Timer1] { t.setInterval(doubledInterval(t.interval())); });
    define(wb, f.N210, "Click", [&t = f.Timer1] { t.setInterval(halvedInterval(t.interval())); });
    define(wb, f.Timer1, "Timer", [w] { w->run("Button2Click"); });
    define(wb, f.Timer101, "Click", [w] { toggleBatchMode(*w); });
    define(wb, f.Timer10, "Timer", [w] { nextBatchTrial(*w); });
    toggles(wb);
}

} // namespace rca
