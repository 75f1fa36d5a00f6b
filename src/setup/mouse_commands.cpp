// Mouse editing of the main window: presses in the top band toggle a cell of
// both lines; moves show the position and, with 'randomize', reseed.
#include "engine/random.h"
#include "forms/bench.h"
#include "setup/line_edits.h"

#include <string>

namespace rca {

namespace {

void press(Bench& wb, const MouseEvent& e) {
    Model& m = wb.model();
    // Any button: left, right and middle presses act alike.
    auto cell = pressedCell(e.x, e.y, m.cellWidth, m.cellHeight);
    if (!cell) return;
    m.lineI[*cell] = toggleAB(m.lineI[*cell]);
    m.lineII[*cell] = toggleAB(m.lineII[*cell]);
    wb.run("Button3Click");
}

void move(Bench& wb, const MouseEvent& e) {
    Model& m = wb.model();
    if (wb.form1().randomize2.checked()) {
        drawRandom(m.randomState);
        m.randomState = timeOfDaySeed();
    }
    wb.form1().label("Label13").setCaption(std::to_string(mouseLabelValue(e.x)));
    wb.form1().label("Label14").setCaption(std::to_string(mouseLabelValue(e.y)));
}

} // namespace

void registerMouse(Bench& wb) {
    Bench* w = &wb;
    wb.form1().onMouse = [w](const MouseEvent& e) {
        if (e.kind == MouseEvent::Kind::Down)
            press(*w, e);
        else if (e.kind == MouseEvent::Kind::Move)
            move(*w, e);
    };
}

} // namespace rca
