// The 'Initial' group's number fields (NB=, the hidden C count, the pens and
// the hidden length field) and the set-up values a script can print or set.
#include "engine/number_parse.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/setup_registration.h"

#include <string>

namespace rca {

namespace {

// A pen field stores its number into both values of the pen.
void setPen(int32_t& first, int32_t& second, int32_t value) {
    first = second = value;
}

// The generators write the strip x + y of the square field, indices 0..261;
// printing the whole field by name shows that strip.
int32_t squareStripCells = 2 * squareSide;

void registerValues(Bench& wb) {
    Model& m = wb.model();
    Fields& f = wb.fields();
    f.addList("bPositions", &m.bPositions, &m.bPositionCount);
    f.addList("cPositions", &m.cPositions, &m.cPositionCount);
    f.addList("bPositionsY", &m.bPositionsY, &m.bPositionCount);
    f.addList("cPositionsY", &m.cPositionsY, &m.cPositionCount);
    f.add("bPositionCount", &m.bPositionCount);
    f.add("cPositionCount", &m.cPositionCount);
    f.add("penC1", &m.penC1);
    f.add("penC2", &m.penC2);
    f.add("penAfr1", &m.penAfr1);
    f.add("penAfr2", &m.penAfr2);
    f.addList("squareField", &m.squareField, &squareStripCells);
}

} // namespace

void registerSetupFields(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    Bench* w = &wb;

    define(wb, f.Edit7, "Change",
           [w, &m] { m.bPointCount = parseNumber(w->form1().Edit7.text()); });
    define(wb, f.Edit6, "Change",
           [w, &m] { m.cPointCount = parseNumber(w->form1().Edit6.text()); });
    define(wb, f.Edit3, "Change",
           [w, &m] { setPen(m.penC1, m.penC2, parseNumber(w->form1().Edit3.text())); });
    define(wb, f.UpDown3, "Click", [w, &m] {
        const int pos = w->form1().UpDown3.position();
        setPen(m.penC1, m.penC2, pos);
        w->form1().Edit3.setText(std::to_string(pos));
    });
    define(wb, f.Edit4, "Change",
           [w, &m] { setPen(m.penAfr1, m.penAfr2, parseNumber(w->form1().Edit4.text())); });
    define(wb, f.UpDown4, "Click", [w, &m] {
        const int pos = w->form1().UpDown4.position();
        setPen(m.penAfr1, m.penAfr2, pos);
        w->form1().Edit4.setText(std::to_string(pos));
    });
    // Edit5 sets the length alone, kept inside the line like the 'L=' field.
    define(wb, f.Edit5, "Change",
           [w, &m] { m.lineLength = boundedLength(parseNumber(w->form1().Edit5.text())); });

    registerValues(wb);
}

} // namespace rca
