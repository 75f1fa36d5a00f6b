// The space-time picture command, the VIEW boxes and the picture's number fields.
#include "engine/number_parse.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "view/picture.h"

#include <algorithm>
#include <vector>

namespace rca {

namespace {

ViewBoxes readView(const MainControls& f) {
    ViewBoxes v;
    v.ordinary = f.CheckBox33.checked();
    v.showLineI = f.CheckBox34.checked();
    v.showLineII = f.CheckBox35.checked();
    v.mA = f.CheckBox1.checked();
    v.mB = f.CheckBox2.checked();
    v.mC = f.CheckBox29.checked();
    v.mdA = f.CheckBox30.checked();
    v.mdB = f.CheckBox31.checked();
    v.mdC = f.CheckBox32.checked();
    // No item selected (before start-up) draws as item 0.
    v.side = std::max(0, f.RadioGroup9.itemIndex());
    v.rise = f.RadioGroup11.itemIndex() == 1;
    return v;
}

// Shapes wholly off the surface are skipped; the rest are clamped into the
// int range QPainter takes, which only matters for absurd typed cell sizes.
bool onSurface(const Canvas& c, const Box& b) {
    constexpr int64_t pad = 8; // half the widest pen, and then some
    return std::max(b.x1, b.x2) >= -pad && std::min(b.x1, b.x2) < c.width() + pad &&
           std::max(b.y1, b.y2) >= -pad && std::min(b.y1, b.y2) < c.height() + pad;
}

int coord(int64_t v) {
    constexpr int64_t limit = 1 << 20;
    return static_cast<int>(std::clamp(v, -limit, limit));
}

void paint(Canvas& c, const Shape& s) {
    if (!onSurface(c, s.box)) return;
    const int x1 = coord(s.box.x1), y1 = coord(s.box.y1);
    const int x2 = coord(s.box.x2), y2 = coord(s.box.y2);
    switch (s.kind) {
    case Shape::Kind::Square:
        c.pen = Pen{s.color, PenStyle::Clear, c.pen.width};
        c.brush = Brush{s.color, BrushStyle::Solid};
        c.rectangle(x1, y1, x2, y2);
        break;
    case Shape::Kind::Ring:
        c.pen = Pen{s.color, PenStyle::Solid, s.penWidth};
        c.brush.style = BrushStyle::Clear;
        c.ellipse(x1, y1, x2, y2);
        break;
    case Shape::Kind::Disc:
        c.pen = Pen{c.pen.color, PenStyle::Clear, 0};
        c.brush = Brush{s.color, BrushStyle::Solid};
        c.ellipse(x1, y1, x2, y2);
        break;
    }
}

// Button3Click: one row of the picture for the current stepTime.
void drawRow(Bench& wb) {
    MainControls& f = wb.form1();
    if (f.notpaint1.checked()) return;
    Canvas& c = wb.canvas();
    c.pen.style = PenStyle::Solid;
    std::vector<Shape> shapes;
    shapes.reserve(2 * maxLineCells);
    pictureRow(wb.model(), readView(f), shapes);
    for (const Shape& s : shapes)
        paint(c, s);
}

// A view change erases the picture (and stops a run) and redraws the row.
void redraw(Bench& wb) {
    wb.run("Button8Click");
    wb.run("Button3Click");
}

// 'Ordinary' enables the boxes of its own view and disables the others.
void applyOrdinary(MainControls& f) {
    const bool ordinary = f.CheckBox33.checked();
    for (CheckBox* box :
         {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32})
        box->setEnabled(!ordinary);
    f.CheckBox34.setEnabled(ordinary);
    f.CheckBox35.setEnabled(ordinary);
}

void registerFields(Bench& wb) {
    Model& m = wb.model();
    Fields& fl = wb.fields();
    for (auto [name, v] : {std::pair{"cellWidth", &m.cellWidth},
                           {"cellHeight", &m.cellHeight},
                           {"pictureLeft", &m.pictureLeft},
                           {"pictureTop", &m.pictureTop},
                           {"clockOrigin", &m.clockOrigin},
                           {"sideShift", &m.sideShift},
                           {"riseRows", &m.riseRows},
                           {"lastCRowI", &m.lastCRowI},
                           {"offsetX", &m.offsetX},
                           {"offsetY", &m.offsetY},
                           {"originX", &m.originX},
                           {"originY", &m.originY}})
        fl.add(name, v);
    fl.add("zoom", &m.zoom);
    fl.add("scaleX", &m.scaleX);
    fl.add("scaleY", &m.scaleY);
    for (auto [name, g] : {std::pair{"markAI", &m.markAI},
                           {"markBI", &m.markBI},
                           {"markCI", &m.markCI},
                           {"markAII", &m.markAII},
                           {"markBII", &m.markBII},
                           {"markCII", &m.markCII}})
        fl.addGrid(name, g);
}

// A hidden number field that stores its parsed text into model values.
void numberField(Bench& wb, Edit& e, std::vector<int32_t*> targets) {
    define(wb, e, "Change", [&e, targets] {
        const int32_t v = parseNumber(e.text());
        for (int32_t* t : targets)
            *t = v;
    });
}

void registerNumberFields(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    numberField(wb, f.Edit20, {&m.pictureTop});
    numberField(wb, f.Edit21, {&m.pictureLeft});
    numberField(wb, f.Edit24, {&m.sideShift});
    // Both fields set the cell width and height together.
    numberField(wb, f.Edit22, {&m.cellWidth, &m.cellHeight});
    numberField(wb, f.Edit25, {&m.cellWidth, &m.cellHeight});
}

} // namespace

void registerPicture(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.Button3, "Click", [w] { drawRow(*w); });
    for (CheckBox* box : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31,
                          &f.CheckBox32, &f.CheckBox34, &f.CheckBox35})
        define(wb, *box, "Click", [w] { redraw(*w); });
    define(wb, f.CheckBox33, "Click", [w] {
        applyOrdinary(w->form1());
        redraw(*w);
    });
    defineToggle(wb, f.notpaint1);
    registerNumberFields(wb);
    registerFields(wb);
}

} // namespace rca
