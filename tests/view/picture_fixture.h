#pragma once
// Workbench set-up shared by the picture command tests: the model written
// directly, the picture at the surface's top-left, 30 x 30 cells.
#include "app/workbench.h"
#include "forms/canvas.h"

#include <string>

namespace picturetest {

inline void setLine(rca::Workbench& wb, const std::string& one, const std::string& two) {
    rca::Model& m = wb.model();
    m.lineLength = static_cast<int32_t>(one.size());
    wb.fields().set("lineI", one);
    wb.fields().set("lineII", two);
}

// Ordinary or clock view with every box checked, on an erased surface.
inline void useView(rca::Workbench& wb, bool ordinary) {
    rca::TForm1& f = wb.form1();
    for (rca::CheckBox* b : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30,
                             &f.CheckBox31, &f.CheckBox32, &f.CheckBox34, &f.CheckBox35})
        b->setChecked(true);
    f.CheckBox33.setChecked(ordinary);
    wb.model().pictureLeft = 0;
    wb.model().pictureTop = 0;
    wb.canvas().fillRect(0, 0, wb.canvas().width(), wb.canvas().height(), rca::clBtnFace);
}

} // namespace picturetest
