// The change explorer 'Explore CHANGE', its 'Manage' menu entry and the
// '-TEMP/2' experiment of the 'NEW' menu.
#include "analysis/change_matrix.h"
#include "analysis/tform10.h"
#include "engine/number_parse.h"
#include "forms/bench.h"
#include "forms/wiring.h"

#include <algorithm>
#include <memory>
#include <string>

namespace rca {

namespace {

constexpr uint32_t crossColour = 0x008000;
constexpr int crossEnd = changeCellPixels * changeSide; // 420

void drawMatrix(TForm10& f, const ChangeMatrix& m) {
    f.Label1.setCaption(std::to_string(changeSum(m)));
    paintChangeMatrix(*f.surface(), m);
}

void fillBars(Chart& chart, const ChangeMatrix& m, int row, int count) {
    chart.clear(0);
    for (int i = 0; i < changeBarCount(count); ++i)
        chart.addPoint(0, i, m[row * changeSide + i], "", clRed);
}

void inspect(Bench& wb, TForm10& f, const MouseEvent& e) {
    const ChangeMatrix& m = wb.state<ChangeState>().changeMatrix;
    Canvas& c = *f.surface();
    c.pen = Pen{crossColour, PenStyle::Solid, 1};
    const int third = changeCellPixels / 2;
    c.line(0, third * (e.y / third) + 1, crossEnd, third * (e.y / third) + 1);
    c.line(third * (e.x / third) + 1, 0, third * (e.x / third) + 1, crossEnd);
    const int cx = changeCellAt(e.x), cy = changeCellAt(e.y);
    f.Label2.setCaption(std::to_string(cx));
    f.Label3.setCaption(std::to_string(cy));
    f.Label1.setCaption(std::to_string(m[cy * changeSide + cx]));
    const int bars = wb.model().squareRows;
    fillBars(f.Chart5, m, cy, bars);
    fillBars(f.Chart6, m, cx, bars);
}

void show(Bench& wb, TForm10& f) {
    const ChangeState& s = wb.state<ChangeState>();
    f.Edit1.setText(std::to_string(s.changeEdit1));
    f.Edit2.setText(std::to_string(s.changeEdit2));
    f.RadioGroup1.setItemIndex(0);
    f.RadioGroup2.setItemIndex(0);
    for (Control* c :
         std::initializer_list<Control*>{&f.RadioGroup3, &f.RadioGroup4, &f.Button1, &f.Button2})
        c->setVisible(false);
}

void defineEdits(Bench& wb, TForm10& f) {
    ChangeState& s = wb.state<ChangeState>();
    define(wb, f.Edit1, "Change", [&s, &f] { s.changeEdit1 = parseNumber(f.Edit1.text()); });
    define(wb, f.Edit2, "Change", [&s, &f] { s.changeEdit2 = parseNumber(f.Edit2.text()); });
    define(wb, f.Edit3, "Change", [&s, &f] { s.changeEdit3 = parseNumber(f.Edit3.text()); });
    // Selections only: no producer reads them yet.
    define(wb, f.RadioGroup1, "Click", [] {});
    define(wb, f.RadioGroup2, "Click", [] {});
    define(wb, f.Click121, "Click", [] {});
}

void addFields(Bench& wb, ChangeState& s) {
    wb.fields().addArray("changeMatrix", &s.changeMatrix);
    wb.fields().add("changeEdit1", &s.changeEdit1);
    wb.fields().add("changeEdit2", &s.changeEdit2);
    wb.fields().add("changeEdit3", &s.changeEdit3);
}

} // namespace

void registerChangeExplorer(Bench& wb) {
    auto& f = wb.addForm(std::make_unique<TForm10>());
    ChangeState& s = wb.state<ChangeState>();
    addFields(wb, s);
    defineEdits(wb, f);
    define(wb, f.Button3, "Click", [&f, &s] { drawMatrix(f, s.changeMatrix); });
    defineForm(wb, f, "Show", [&wb, &f] { show(wb, f); });
    f.onMouse = [&wb, &f](const MouseEvent& e) {
        if (e.kind == MouseEvent::Kind::Down) inspect(wb, f, e);
    };

    MainControls& main = wb.form1();
    defineOpener(wb, main.add<MenuItem>("showCHANGE21", "(F) show CHANGE", "Manage"), f);
    define(wb, main.add<MenuItem>("showCHANGE31", "show CHANGE (3)", "Manage"), "Click", [] {});
    define(wb, main.add<MenuItem>("TEMP21", "-TEMP/2", "NEW"), "Click", [&wb, &s] {
        halveAndNegate(s.changeMatrix);
        wb.run("Button3Click");
    });
}

} // namespace rca
