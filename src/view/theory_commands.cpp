// The theory check's buttons: reset, the six row operations, the overlay
// row, the check itself and its stand-in when 'Prediction' is "No".
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/saturating.h"
#include "theory/theory_model.h"
#include "view/theory_drawing.h"

namespace rca {

namespace {

using RowOp = void (*)(TheoryState&, int, int, int);

void runRowOp(Bench& wb, RowOp op) {
    Model& m = wb.model();
    op(m, m.theoryRow, m.lineLength, theoryRingSize(m.squareCols, m.lineLength));
}

void drawOverlayRow(Bench& wb) {
    Model& m = wb.model();
    drawTheoryRow(wb.canvas(), m, m.stepTime, m.cellWidth, m.cellHeight, m.lineLength);
}

void theoryCheck(Bench& wb) {
    Model& m = wb.model();
    countUp(m.pressCount);
    theoryRunCheck(m, m.lineLength, theoryRingSize(m.squareCols, m.lineLength));
    // The overlay borrows stepTime as its drawing row and leaves it past the end.
    for (m.stepTime = 0; m.stepTime < theoryCheckRows; ++m.stepTime)
        drawOverlayRow(wb);
    const bool ok = theoryMatchesMarks(m, m.markCI, m.lastCRowI, m.lineLength);
    wb.form1().Label57.setCaption(ok ? "OK!!" : "NOT");
}

void registerTheoryFields(Bench& wb) {
    Model& m = wb.model();
    Fields& f = wb.fields();
    f.add("theoryRow", &m.theoryRow);
    f.addGrid("theoryGrid", &m.theoryGrid);
    f.addGrid("theoryMarks", &m.theoryMarks);
    f.addGrid("theoryNonzero", &m.theoryNonzero);
}

} // namespace

void registerTheory(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.Button5, "Click", [w] {
        Model& m = w->model();
        theoryReset(m, m.lineI, m.lineLength);
    });
    define(wb, f.Button96, "Click", [w] { runRowOp(*w, theoryMarkers); });
    define(wb, f.Button97, "Click", [w] { runRowOp(*w, theoryAnnihilate); });
    define(wb, f.Button99, "Click", [w] { runRowOp(*w, theoryFillGaps); });
    define(wb, f.Button95, "Click", [w] { runRowOp(*w, theoryCollide); });
    define(wb, f.Button94, "Click", [w] { runRowOp(*w, theoryMove); });
    define(wb, f.Button100, "Click", [w] { runRowOp(*w, theoryRings); });
    define(wb, f.Button92, "Click", [w] { drawOverlayRow(*w); });
    define(wb, f.Button98, "Click", [w] { theoryCheck(*w); });
    define(wb, f.Button105, "Click", [w] { countUp(w->model().pressCount); });
    registerTheoryFields(wb);
}

} // namespace rca
