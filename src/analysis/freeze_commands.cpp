// The FREEZE menu and Timer4: the freeze mask of the square, one run at a
// time, the reset of the unfrozen square and the grey picture of the mask.
#include "analysis/freeze_drawing.h"
#include "analysis/improve_state.h"
#include "files/mask_file.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/square_update.h"

namespace rca {

namespace {

// One run: the 'Manage' group shows which way it goes.
void startRun(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    wb.state<ImproveState>().freezeRunRequest = false;
    m.stepTime = 0;
    f.GroupBoxManage.setColor(m.reverseMode ? clHighlight : 0x00FFFFu);
    f.Timer1.setEnabled(true);
}

void resetAndGo(Bench& wb) {
    Model& m = wb.model();
    writeField(wb, wb.form1().Edit2, 4);
    wb.form1().Timer4.setEnabled(false);
    updateSquare(m, m, m, m.squareRows, m.squareCols, SquarePoints::COnly);
    wb.run("Button6Click");
}

} // namespace

void registerFreeze(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    ImproveState& s = wb.state<ImproveState>();
    Bench* w = &wb;
    auto item = [&f](const char* name, const char* caption) -> MenuItem& {
        return f.add<MenuItem>(name, caption, "FREEZE");
    };
    define(wb, item("Nofreeze1", "Mask = 0"), "Click", [w, &m] {
        writeField(*w, w->form1().Edit2, 4);
        clearFreezeMask(m, MaskExtents::of(m));
    });
    define(wb, item("BEGIN1", "BEGIN"), "Click", [w, &m, &s] {
        writeField(*w, w->form1().Edit2, 1);
        s.freezeRunRequest = true;
        clearFreezeMask(m, MaskExtents::of(m));
    });
    define(wb, item("Go1", "GO"), "Click", [w] { w->form1().Timer4.setEnabled(true); });
    define(wb, item("do1syep1", "do 1 step"), "Click", [w] { startRun(*w); });
    define(wb, item("Finish1", "Do immediate"), "Click", [w] { resetAndGo(*w); });
    define(wb, item("Drawfrozen1", "Draw frozen"), "Click",
           [w, &m] { drawFrozen(w->canvas(), m, MaskExtents::of(m)); });
    define(wb, f.Timer4, "Timer", [w, &s] {
        if (s.freezeRunRequest) startRun(*w);
    });
    wb.fields().add("freezeRunRequest", &s.freezeRunRequest);
}

} // namespace rca
