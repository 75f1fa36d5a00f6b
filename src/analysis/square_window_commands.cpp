// 'Show SQUARE RCA' (TForm15) and its 'T=6' menu commands: a record of the
// points file becomes the square configuration; 'Write Qhist' empties the
// batch output files and Timer7 sets up one configuration and starts it.
#include "analysis/batch_output.h"
#include "analysis/points_file.h"
#include "analysis/square_window_state.h"
#include "analysis/tform15.h"
#include "engine/number_parse.h"
#include "files/fixed_write.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "setup/square_update.h"
#include "setup/trial_setup.h"
#include "state/batch_outputs.h"
#include "state/fixed_paths.h"

#include <algorithm>
#include <memory>
#include <string>

namespace rca {

namespace {

void setPointCounts(Model& m) {
    m.cPointCount = 0;
    m.bPointCount = recordPoints;
    m.cPositionCount = 0;
    m.bPositionCount = recordPoints;
}

void reportRead(Bench& wb, const std::string& file, int32_t record, const PointsRead& got) {
    const std::string which = "record " + std::to_string(record) + " of " + file;
    if (got.negativeRecord)
        wb.report("no " + which + ": record numbers start at 0; nothing was read");
    else if (!got.opened)
        wb.report("cannot read " + file + ": " + openFailure(wb.resolve(file), false));
    else if (!got.complete())
        wb.report(which + " is short: " + std::to_string(got.coordinates) + " of " +
                  std::to_string(2 * recordPoints) + " coordinates read");
    if (got.rejected > 0)
        wb.report(which + ": " + std::to_string(got.rejected) +
                  " coordinates outside -32768 .. 32767 were left as they were");
}

// 'X ma': entries 1 .. lineLength of the freeze mask and of its copy.
void clearMaskFromOne(Model& m) {
    const int last = std::clamp(m.lineLength, 0, static_cast<int32_t>(m.freezeMask.size()) - 1);
    for (int i = 1; i <= last; ++i)
        m.freezeMask[static_cast<size_t>(i)] = m.maskTransferBuffer[static_cast<size_t>(i)] = 0;
}

// Button3Click. The 'Est obr' and cycle counters of the original are not
// part of this program.
void readPoints(Bench& wb) {
    Model& m = wb.model();
    const int32_t record = wb.state<SquareWindowState>().readingIndex;
    const std::string file = fixedPath(paths::pointsFile);
    setPointCounts(m);
    reportRead(wb, file, record, readPointsRecord(wb.resolve(file), record, m));
    wb.run("Button7Click");
    wb.run("Button8Click");
    fillSquareGrid(m, m.squareRows);
    setPointCounts(m);
    if (const int out = pointsOutsideSquare(m, recordPoints, m.squareRows, m.squareCols))
        wb.report(std::to_string(out) + " of the points of record " + std::to_string(record) +
                  " lie outside the " + std::to_string(m.squareRows) + " x " +
                  std::to_string(m.squareCols) + " square");
    updateSquare(m, m, m, m.squareRows, m.squareCols, SquarePoints::CAndB);
    wb.run("Button3Click");
    drawFieldFrame(wb);
    clearMaskFromOne(m);
    wb.run("Button69Click");
    m.stepTime = 0;
}

void selectCircle(Bench& wb) {
    wb.model().borderMode = 1;
    wb.form1().RadioGroup2.setItemIndex(1);
}

// WriteLOGfile1Click: a 51 x 51 square on a circle, then the window.
void openSquareWindow(Bench& wb, TForm15& form) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    m.squareRows = m.squareCols = 51;
    writeField(wb, f.Edit1, 51);
    f.UpDown2.setPosition(51);
    selectCircle(wb);
    f.RadioGroup3.setItemIndex(1); // 'Kind' "Mask"
    wb.open(form);
}

void startBatch(Bench& wb, bool random) {
    SquareWindowState& s = wb.state<SquareWindowState>();
    s.batchIndex = 0;
    s.batchRandom = random;
    wb.form1().Timer7.setEnabled(true);
}

void empty(Bench& wb, int stream, const char* file) {
    auto& out = wb.state<BatchOutputs>().streams.at(static_cast<size_t>(stream - 1));
    const auto path = fixedWriteTarget(wb, file);
    if (!path) return;
    const std::string failure = reopenEmpty(out, *path);
    if (!failure.empty()) wb.report(failure);
}

// Timer7Timer: one configuration, then the run.
void nextBatchConfiguration(Bench& wb, TForm15& form, const MenuItem& readMask) {
    SquareWindowState& s = wb.state<SquareWindowState>();
    MainControls& f = wb.form1();
    wb.run("Button8Click");
    if (s.batchRandom) {
        wb.run("Button58Click");
    } else {
        form.Edit1.setText(std::to_string(s.batchIndex));
        s.readingIndex = s.batchIndex;
        wb.run("TForm15.Button3Click");
    }
    if (readMask.checked()) wb.run("Readmask1Click");
    f.Timer7.setEnabled(false);
    if (s.batchIndex < s.batchCount) {
        ++s.batchIndex;
        wb.run("Button6Click");
        return;
    }
    f.Timer1.setEnabled(false);
    wb.state<BatchOutputs>().close(2);
}

void defineWindow(Bench& wb, TForm15& f) {
    SquareWindowState& s = wb.state<SquareWindowState>();
    Bench* w = &wb;
    define(wb, f.Edit1, "Change", [&s, &f] { s.readingIndex = parseNumber(f.Edit1.text()); });
    define(wb, f.Edit3, "Change", [w, &f] { w->model().stepLimit = parseNumber(f.Edit3.text()); });
    define(wb, f.Button3, "Click", [w] { readPoints(*w); });
    for (RadioGroup* g :
         {&f.RadioGroup1, &f.RadioGroup2, &f.RadioGroup3, &f.RadioGroup4, &f.RadioGroup5})
        define(wb, *g, "Click", [] {});
    defineForm(wb, f, "Show", [w, &f] {
        for (RadioGroup* g : {&f.RadioGroup5, &f.RadioGroup2, &f.RadioGroup3, &f.RadioGroup4})
            g->setItemIndex(0); // '-1'
        selectCircle(*w);
    });
}

} // namespace

void registerSquareWindow(Bench& wb) {
    MainControls& f = wb.form1();
    auto& form = wb.addForm(std::make_unique<TForm15>());
    Bench* w = &wb;
    TForm15* t = &form;
    defineWindow(wb, form);
    define(wb, f.WriteLOGfile1, "Click", [w, t] { openSquareWindow(*w, *t); });
    define(wb, f.add<MenuItem>("WriteQhist1", "Write Qhist (n=8)", "T=6"), "Click", [w] {
        empty(*w, 2, paths::qhistOutput);
        startBatch(*w, false);
    });
    define(wb, f.add<MenuItem>("WriteQhistanyn1", "Write Qhist (any n)", "T=6"), "Click", [w] {
        for (int k = 1; k <= 4; ++k)
            empty(*w, k, paths::qhistLogs[static_cast<size_t>(k - 1)]);
        startBatch(*w, true);
    });
    auto& readMask = f.add<MenuItem>("ReadMask2", "Read RCA->\"Mask\"", "T=6", true);
    defineToggle(wb, readMask);
    define(wb, f.Timer7, "Timer", [w, t, &readMask] { nextBatchConfiguration(*w, *t, readMask); });
    wb.atStartupStep(18, [&readMask] { readMask.setChecked(false); });
    wb.atStartupStep(19, [t] { t->RadioGroup1.setItemIndex(3); });
    SquareWindowState& s = wb.state<SquareWindowState>();
    Fields& fields = wb.fields();
    fields.add("readingIndex", &s.readingIndex);
    fields.add("batchIndex", &s.batchIndex);
    fields.add("batchCount", &s.batchCount);
    fields.add("batchRandom", &s.batchRandom);
}

} // namespace rca
