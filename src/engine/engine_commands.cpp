// Length, steps per press, mask, border, and the batch of steps.
#include "engine/number_parse.h"
#include "engine/step.h"
#include "engine/trial_check.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/saturating.h"

#include <algorithm>
#include <string>

namespace rca {

namespace {

// A batch counts its steps in a 16-bit signed counter.
constexpr int maxBatchSteps = 32767;

void setLengthFromText(Bench& wb) {
    Model& m = wb.model();
    const int32_t typed = parseNumber(wb.form1().Edit1.text());
    // Lengths outside the 100-cell lines are clamped; the square extents keep
    // the typed value within the square field's 131 cells.
    m.lineLength = boundedLength(typed);
    m.squareRows = m.squareCols = std::clamp(typed, 0, 131);
    wb.form1().UpDown2.setPosition(typed);
    wb.canvas().pen = Pen{clBlack, PenStyle::Solid, wb.canvas().pen.width};
}

void setLengthFromUpDown(Bench& wb) {
    Model& m = wb.model();
    const int pos = wb.form1().UpDown2.position();
    m.squareRows = m.squareCols = pos;
    wb.form1().Edit1.setText(std::to_string(pos));
    wb.run("Button8Click");
}

void setStepsFromText(Bench& wb) {
    wb.model().stepsPerPress = parseNumber(wb.form1().Edit2.text());
    wb.form1().UpDown1.setPosition(wb.model().stepsPerPress);
}

void setStepsFromUpDown(Bench& wb) {
    wb.model().stepsPerPress = wb.form1().UpDown1.position();
    wb.form1().Edit2.setText(std::to_string(wb.model().stepsPerPress));
}

void readMask(Bench& wb) {
    MainControls& f = wb.form1();
    for (int d = 1; d <= maxDistance; ++d) {
        wb.model().neighbourMask.left[d] = f.maskLeft[d]->checked();
        wb.model().neighbourMask.right[d] = f.maskRight[d]->checked();
    }
}

// "n steps": stepsPerPress steps, then the status bar and one picture row.
void runBatch(Bench& wb) {
    Model& m = wb.model();
    countUp(m.pressCount);
    const int steps = std::min(m.stepsPerPress, maxBatchSteps);
    for (int k = 0; k < steps; ++k) {
        stepBothLines(m);
        const auto& check = wb.state<TrialCheck>().ended;
        if (check && check(wb)) return;
    }
    const bool batchMode = wb.form1().Timer101.checked();
    if (!batchMode || m.stepTime % 32 == 0) showStepTime(wb);
    wb.run("Button3Click");
}

void registerFields(Bench& wb) {
    Model& m = wb.model();
    Fields& f = wb.fields();
    for (auto [name, line] : {std::pair{"lineI", &m.lineI},
                              {"nextLineI", &m.nextLineI},
                              {"lineII", &m.lineII},
                              {"nextLineII", &m.nextLineII},
                              {"startLineI", &m.startLineI},
                              {"endLineI", &m.endLineI},
                              {"endLineII", &m.endLineII}})
        f.add(name, line);
    for (auto [name, v] : {std::pair{"cellClockI", &m.cellClockI},
                           {"cellClockII", &m.cellClockII},
                           {"cellDriftI", &m.cellDriftI},
                           {"cellDriftII", &m.cellDriftII}})
        f.add(name, v);
    for (auto [name, v] : {std::pair{"lineLength", &m.lineLength},
                           {"squareRows", &m.squareRows},
                           {"squareCols", &m.squareCols},
                           {"borderMode", &m.borderMode},
                           {"stepsPerPress", &m.stepsPerPress},
                           {"stepLimit", &m.stepLimit},
                           {"trialsPerBatch", &m.trialsPerBatch},
                           {"batchLengthMin", &m.batchLengthMin},
                           {"batchLengthMax", &m.batchLengthMax},
                           {"cPointCount", &m.cPointCount},
                           {"bPointCount", &m.bPointCount},
                           {"stepTime", &m.stepTime},
                           {"pressCount", &m.pressCount},
                           {"doneTimeI", &m.doneTimeI},
                           {"doneTimeII", &m.doneTimeII},
                           {"countCI", &m.countCI},
                           {"countBI", &m.countBI},
                           {"countAI", &m.countAI},
                           {"countCII", &m.countCII},
                           {"countBII", &m.countBII},
                           {"countAII", &m.countAII}})
        f.add(name, v);
    f.add("lineIDone", &m.lineIDone);
    f.add("lineIIDone", &m.lineIIDone);
    f.add("reverseMode", &m.reverseMode);
    f.add("singleStepMode", &m.singleStepMode);
    f.add("endLineITaken", &m.endLineITaken);
    f.add("endLineIITaken", &m.endLineIITaken);
    f.add("randomState", &m.randomState);
}

} // namespace

void registerEngine(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;

    define(wb, f.Edit1, "Change", [w] { setLengthFromText(*w); });
    define(wb, f.UpDown2, "Click", [w] { setLengthFromUpDown(*w); });
    define(wb, f.Edit2, "Change", [w] { setStepsFromText(*w); });
    define(wb, f.UpDown1, "Click", [w] { setStepsFromUpDown(*w); });
    define(wb, f.Button2, "Click", [w] { runBatch(*w); });
    define(wb, f.Button1, "Click", [w] {
        w->model().singleStepMode = true;
        runBatch(*w);
        w->model().singleStepMode = false;
    });
    define(wb, f.RadioGroup2, "Click",
           [w] { w->model().borderMode = w->form1().RadioGroup2.itemIndex(); });
    // 'Kind': "Standart" selects Frozen A, "Mask" selects Circle.
    define(wb, f.RadioGroup3, "Click", [w] {
        int kind = w->form1().RadioGroup3.itemIndex();
        if (kind >= 0) w->form1().RadioGroup2.setItemIndex(kind == 0 ? 0 : 1);
    });
    for (int d = 1; d <= maxDistance; ++d)
        for (CheckBox* box : {f.maskLeft[d], f.maskRight[d]})
            define(wb, *box, "Click", [w] { readMask(*w); });

    registerFields(wb);
}

} // namespace rca
