// 'Show T6' (TForm5: the tallies as a triangle) and 'T6 Graf' (TForm14: the
// recorded curves and the phase series over [graphBegin, graphEnd)).
#include "analysis/t6_plots.h"
#include "analysis/t6_registration.h"
#include "analysis/t6_state.h"
#include "analysis/tform14.h"
#include "analysis/tform5.h"
#include "engine/number_parse.h"
#include "forms/bench.h"
#include "forms/wiring.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace rca {

namespace {

// The window's series number as (chart, index).
std::pair<Chart*, int> seriesSlot(TForm14& f, int series) {
    switch (series) {
    case 1:
    case 2:
    case 3:
        return {&f.Chart1, series - 1};
    case 7:
        return {&f.Chart1, 3};
    default:
        return {&f.Chart2, series - 4};
    }
}

void clearSeries(TForm14& f, std::initializer_list<int> series) {
    for (int n : series) {
        auto [chart, index] = seriesSlot(f, n);
        chart->clear(index);
    }
}

void addPoints(TForm14& f, const std::vector<PlotPoint>& points) {
    for (const PlotPoint& p : points) {
        auto [chart, index] = seriesSlot(f, p.series);
        chart->addPoint(index, p.x, static_cast<double>(p.y), "", p.color);
    }
}

std::array<bool, phaseCount> checkedPhases(const TForm14& f) {
    const auto boxes = f.phaseBoxes();
    return {boxes[0]->checked(), boxes[1]->checked(), boxes[2]->checked()};
}

void plotView(TForm14& f, const T6State& s) {
    clearSeries(f, {1, 2, 3, 7, 4});
    addPoints(f, viewPlot(s));
}

void plotPhases(TForm14& f, const std::vector<PlotPoint>& points) {
    clearSeries(f, {1, 2, 3, 4, 5});
    addPoints(f, points);
}

// The plot uses the end from the step counter; afterwards the end follows
// pressCount while 'End point' still shows the earlier value.
void showGraph(Bench& wb, TForm14& f, T6State& s) {
    const Model& m = wb.model();
    s.graphEnd = static_cast<int32_t>((int64_t{m.stepTime} + 1) / 3);
    f.Edit3.setText(std::to_string(s.graphEnd));
    f.Edit9.setText(std::to_string(s.graphEnd));
    plotView(f, s);
    f.RadioGroup1.setItemIndex(0);
    s.graphEnd = m.pressCount / 3;
}

void registerTallies(Bench& wb, const T6State& s) {
    auto& f = wb.addForm(std::make_unique<TForm5>());
    defineForm(wb, f, "Show", [&f, &s] {
        for (size_t n = 0; n < f.tallies.size(); ++n)
            f.tallies[n]->setCaption(std::to_string(s.t6Tallies[n]));
    });
    defineOpener(wb, wb.form1().add<MenuItem>("ShowtMatrix1", "Show t Matrix", "T=6"), f);
}

void registerGraph(Bench& wb, T6State& s) {
    auto& f = wb.addForm(std::make_unique<TForm14>());
    Bench* w = &wb;
    for (auto [edit, value] : {std::pair{&f.Edit1, &s.graphThreshold},
                               {&f.Edit2, &s.graphBegin},
                               {&f.Edit3, &s.graphEnd},
                               {&f.Edit8, &s.graphValue8},
                               {&f.Edit9, &s.graphValue9},
                               {&f.Edit10, &s.graphValue10}})
        define(wb, *edit, "Change", [e = edit, v = value] { *v = parseNumber(e->text()); });
    define(wb, f.Button1, "Click", [&f, &s] { plotView(f, s); });
    define(wb, f.Button2, "Click",
           [&f, &s] { plotPhases(f, phaseDifferencePlot(s, checkedPhases(f))); });
    define(wb, f.Button3, "Click",
           [&f, &s] { plotPhases(f, phaseValuePlot(s, checkedPhases(f), false)); });
    define(wb, f.Button4, "Click",
           [&f, &s] { plotPhases(f, phaseValuePlot(s, checkedPhases(f), true)); });
    for (CheckBox* box : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox4, &f.CheckBox5, &f.CheckBox6})
        define(wb, *box, "Click", [] {});
    define(wb, f.RadioGroup1, "Click", [] {});
    defineForm(wb, f, "Show", [w, &f, &s] { showGraph(*w, f, s); });
    defineOpener(wb, wb.form1().add<MenuItem>("Showgrafics1", "(F) Show graphics", "T=6"), f);

    wb.atStartupStep(15, [&f] {
        for (CheckBox* box : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox4, &f.CheckBox5, &f.CheckBox6})
            box->setChecked(true);
    });
}

void registerGraphFields(Bench& wb, T6State& s) {
    Fields& f = wb.fields();
    f.add("graphThreshold", &s.graphThreshold);
    f.add("graphBegin", &s.graphBegin);
    f.add("graphEnd", &s.graphEnd);
    for (int c = 0; c < viewCurveCount; ++c)
        f.addArray("viewCurve" + std::to_string(c + 1), &s.viewCurves[static_cast<size_t>(c)]);
    for (int p = 0; p < phaseCount; ++p) {
        f.addArray("phaseFirst" + std::to_string(p), &s.phaseFirst[static_cast<size_t>(p)]);
        f.addArray("phaseSecond" + std::to_string(p), &s.phaseSecond[static_cast<size_t>(p)]);
    }
}

} // namespace

void registerT6Windows(Bench& wb) {
    T6State& s = wb.state<T6State>();
    registerTallies(wb, s);
    registerGraph(wb, s);
    registerGraphFields(wb, s);
}

} // namespace rca
