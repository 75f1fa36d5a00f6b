// Menu items whose only behaviour is their own check mark, the 'F1' usage
// note, and the 'Prediction' group (read when a trial is evaluated).
#include "forms/bench.h"
#include "forms/wiring.h"

namespace rca {

void registerOwnMarks(Bench& wb) {
    MainControls& f = wb.form1();
    for (MenuItem* item :
         {&f.NoDRAW1, &f.Nographics1, &f.MouseSoliton1, &f.Vnacalo1, &f.Estobr1, &f.zaplambdX1})
        defineToggle(wb, *item);
    define(wb, f.F11, "Click", [&f] {
        f.F11.toggle();
        f.label("RichEdit1").setVisible(f.F11.checked());
    });
    define(wb, f.RadioGroup12, "Click", [] {});
}

} // namespace rca
