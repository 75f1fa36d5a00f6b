// The theory check's buttons: reset, the six row operations, the overlay
// row, the check itself and its stand-in when 'Prediction' is "No".
#include "app/subsystems.h"
#include "app/wiring.h"
#include "app/workbench.h"
#include "view/theory_drawing.h"
#include "view/theory_model.h"

namespace rca {

namespace {

using RowOp = void (*)(TheoryState&, int, int, int);

void runRowOp(Workbench& wb, RowOp op) {
    Model& m = wb.model();
    op(m, m.theoryRow, m.lineLength, theoryRingSize(m.squareCols, m.lineLength));
}

void drawOverlayRow(Workbench& wb) {
    Model& m = wb.model();
    drawTheoryRow(wb.canvas(), m, m.stepTime, m.cellWidth, m.cellHeight, m.lineLength);
}

void theoryCheck(Workbench& wb) {
    Model& m = wb.model();
    ++m.pressCount;
    theoryRunCheck(m, m.lineLength, theoryRingSize(m.squareCols, m.lineLength));
    // The overlay borrows stepTime as its drawing row and leaves it past the end.
    for (m.stepTime = 0; m.stepTime < theoryCheckRows; ++m.stepTime)
        drawOverlayRow(wb);
    const bool ok = theoryMatchesMarks(m, m.markCI, m.lastCRowI, m.lineLength);
    wb.form1().Label57.setCaption(ok ? "OK!!" : "NOT");
}

void registerTheoryFields(Workbench& wb) {
    Model& m = wb.model();
    Fields& f = wb.fields();
    f.add("theoryRow", &m.theoryRow);
    f.addGrid("theoryGrid", &m.theoryGrid);
    f.addGrid("theoryMarks", &m.theoryMarks);
    f.addGrid("theoryNonzero", &m.theoryNonzero);
}

} // namespace

void registerTheory(Workbench& wb) {
    TForm1& f = wb.form1();
    Workbench* w = &wb;
    define(wb, f.Button5, "Button5Click", [w] {
        Model& m = w->model();
        theoryReset(m, m.lineI, m.lineLength);
    });
    define(wb, f.Button96, "Button96Click", [w] { runRowOp(*w, theoryMarkers); });
    define(wb, f.Button97, "Button97Click", [w] { runRowOp(*w, theoryAnnihilate); });
    define(wb, f.Button99, "Button99Click", [w] { runRowOp(*w, theoryFillGaps); });
    define(wb, f.Button95, "Button95Click", [w] { runRowOp(*w, theoryCollide); });
    define(wb, f.Button94, "Button94Click", [w] { runRowOp(*w, theoryMove); });
    define(wb, f.Button100, "Button100Click", [w] { runRowOp(*w, theoryRings); });
    define(wb, f.Button92, "Button92Click", [w] { drawOverlayRow(*w); });
    define(wb, f.Button98, "Button98Click", [w] { theoryCheck(*w); });
    define(wb, f.Button105, "Button105Click", [w] { ++w->model().pressCount; });
    registerTheoryFields(wb);
}

} // namespace rca
