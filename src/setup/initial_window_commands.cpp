// 'Show initial' (TForm3): the point lists and counts written through its
// fields, and 'DO', which builds a fresh square field from the B points.
#include "engine/number_parse.h"
#include "engine/random_line.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/setup_registration.h"
#include "setup/square_generators.h"
#include "setup/square_update.h"
#include "setup/tform3.h"
#include "setup/trial_setup.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

namespace rca {

namespace {

int16_t toCoordinate(const std::string& text) {
    return static_cast<int16_t>(std::clamp<int32_t>(parseNumber(text),
                                                    std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// The typed count is kept as it is; the list count stays inside the list.
void setCount(int32_t& count, int32_t& listCount, const std::string& text) {
    count = parseNumber(text);
    listCount = boundedPointCount(count);
}

void showPoint(const std::array<Edit*, 2>& fields, int16_t x, int16_t y) {
    fields[0]->setText(std::to_string(x));
    fields[1]->setText(std::to_string(y));
}

void show(Model& m, TForm3& f) {
    m.cPositionCount = boundedPointCount(m.cPointCount);
    f.Edit1.setText(std::to_string(m.cPointCount));
    m.bPositionCount = boundedPointCount(m.bPointCount);
    f.Edit2.setText(std::to_string(m.bPointCount));
    f.Edit11.setText(std::to_string(m.squareCols));
    const auto c = f.cRows(), b = f.bRows();
    for (int k = 0; k < 2; ++k)
        showPoint(c[k], m.cPositions[k], m.cPositionsY[k]);
    for (int k = 0; k < 8; ++k)
        showPoint(b[k], m.bPositions[k], m.bPositionsY[k]);
}

void build(Bench& wb) {
    Model& m = wb.model();
    wb.run("Button7Click");
    wb.run("Button8Click");
    fillSquareGrid(m, m.squareRows);
    m.cPositionCount = 0;
    m.bPositionCount = 8;
    updateSquare(m, m, m, m.squareRows, m.squareCols, SquarePoints::CAndB);
    wb.run("Button3Click");
    drawFieldFrame(wb);
    m.stepTime = 0;
}

// The editable points: C 0, C 1, B 0, B 1 (first coordinate, second).
void definePointFields(Bench& wb, TForm3& f) {
    Model& m = wb.model();
    struct Point {
        std::array<Edit*, 2> fields;
        int16_t* x;
        int16_t* y;
    };
    const auto c = f.cRows(), b = f.bRows();
    const Point points[] = {{c[0], &m.cPositions[0], &m.cPositionsY[0]},
                            {c[1], &m.cPositions[1], &m.cPositionsY[1]},
                            {b[0], &m.bPositions[0], &m.bPositionsY[0]},
                            {b[1], &m.bPositions[1], &m.bPositionsY[1]}};
    for (const Point& p : points) {
        Edit* ex = p.fields[0];
        Edit* ey = p.fields[1];
        define(wb, *ex, "Change", [ex, x = p.x] { *x = toCoordinate(ex->text()); });
        define(wb, *ey, "Change", [ey, y = p.y] { *y = toCoordinate(ey->text()); });
    }
    // Rows 3..8 only show: what is typed there is stored nowhere.
    for (int r = 2; r < 8; ++r)
        for (int k = 0; k < 2; ++k) {
            define(wb, *c[r][k], "Change", [] {});
            define(wb, *b[r][k], "Change", [] {});
        }
}

} // namespace

void registerInitialWindow(Bench& wb) {
    auto& f = wb.addForm(std::make_unique<TForm3>());
    Model& m = wb.model();
    Bench* w = &wb;
    TForm3* form = &f;
    define(wb, f.Edit1, "Change",
           [form, &m] { setCount(m.cPointCount, m.cPositionCount, form->Edit1.text()); });
    define(wb, f.Edit2, "Change",
           [form, &m] { setCount(m.bPointCount, m.bPositionCount, form->Edit2.text()); });
    define(wb, f.Edit11, "Change",
           [form, &m] { m.squareCols = boundedSquareExtent(parseNumber(form->Edit11.text())); });
    definePointFields(wb, f);
    define(wb, f.Button1, "Click", [w] { build(*w); });
    defineForm(wb, f, "Show", [form, &m] { show(m, *form); });
    defineOpener(wb, wb.form1().add<MenuItem>("Showinitial1", "(F) Show initial", "Initial"), f);
}

} // namespace rca
