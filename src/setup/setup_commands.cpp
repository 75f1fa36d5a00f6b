// Trial set-ups of the 'Initial' group and menu: Random, R, Wr, D, Clear,
// XXX, Make, randomize.
#include "engine/random_line.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/line_edits.h"
#include "setup/setup_drawing.h"
#include "setup/setup_registration.h"
#include "setup/trial_setup.h"

#include <algorithm>

namespace rca {

namespace {

void setUpRandom(Bench& wb) {
    Model& m = wb.model();
    wb.run("resetResults");
    trialResetSteps2to8(wb, 0);
    drawPointLists(m, m);
    finishTrialLines(wb);
    wb.form1().Label57.setCaption("X");
    wb.run("Button5Click");
}

// The B cells of lineI, in index order, become the B list and the B count.
void collectBPositions(Model& m) {
    const int n = boundedLength(m.lineLength);
    int32_t count = 0;
    for (int i = 0; i < n; ++i)
        if (m.lineI[i] == B) m.bPositions[count++] = static_cast<int16_t>(i);
    m.bPositionCount = count;
    m.bPointCount = count;
}

void setUpFromSquare2(Bench& wb) {
    Model& m = wb.model();
    trialResetSteps2to8(wb, 350);
    wb.run("resetResults");
    wb.run("Button8Click");
    wb.run("DrawGuideGrid");
    wb.run("sq21Click");
    // The file may bring a longer line than the one just reset: clear the
    // accumulators and marks over the new length too, so no cell of the new
    // trial starts with the clocks of an older one.
    clearMarkGrids(m, m.lineLength);
    resetTrialRunState(m);
    collectBPositions(m);
    finishTrialSetup(wb);
}

void setUpBlock(Bench& wb) {
    Model& m = wb.model();
    const int n = boundedLength(m.lineLength);
    std::fill_n(m.cellDriftI.begin(), n, 0);
    std::fill_n(m.cellDriftII.begin(), n, 0);
    resetTrialMarkers(m);
    resetSetUpControls(wb, 0, 704);
    fillLineIWithA(m);
    drawPointLists(m, m);
    const int block = std::clamp(m.bPointCount, 0, maxLineCells);
    std::fill_n(m.lineI.begin(), block, B);
    deriveTrialLines(m);
    showAndSaveSetUp(wb);
}

void clearPicture(Bench& wb) {
    MainControls& f = wb.form1();
    wb.canvas().fillRect(0, 0, 800, 800, clBtnFace);
    f.Dontshow1.setChecked(false);
    f.Timer1.setEnabled(false);
    f.GroupBoxManage.setColor(clBtnFace);
}

} // namespace

void registerSetup(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    Model& m = wb.model();

    define(wb, f.Button58, "Click", [w] { setUpRandom(*w); });
    define(wb, f.Button106, "Click", [w] { setUpFromSquare2(*w); });
    define(wb, f.Button28, "Click", [w] { w->run("Wsq21Click"); });
    define(wb, f.Button42, "Click", [w, &m] {
        editCells(m.lineI, m.lineLength, toggleAB);
        editCells(m.lineII, m.lineLength, toggleAB);
        w->run("Button3Click");
    });
    // 'Make ' runs over squareCols, which can differ from lineLength.
    define(wb, f.Make1, "Click", [w, &m] {
        editCells(m.lineI, m.squareCols, invertToB);
        w->run("Button3Click");
    });
    define(wb, f.XXX1, "Click", [w] { setUpBlock(*w); });
    define(wb, f.Button8, "Click", [w] { clearPicture(*w); });
    define(wb, f.Clear1, "Click", [w] {
        w->run("Button8Click");
        drawFieldFrame(*w);
    });
    define(wb, f.Clearall1, "Click", [w] { w->canvas().fillRect(0, 0, 704, 704, clBtnFace); });
    defineToggle(wb, f.randomize2);
    // 'MAIN' selector: the picture starts afresh from the current row.
    define(wb, f.RadioGroup7, "Click", [w] {
        w->run("Button8Click");
        w->run("Button3Click");
    });
    wb.commands().add("DrawGuideGrid", [w] {
        drawGuideGrid(w->canvas(), w->model().cellWidth, w->model().cellHeight);
    });

    registerSquareGenerators(wb);
    registerSetupFields(wb);
}

} // namespace rca
