// One call of the picture routine (Button3Click) in each view, at L = 100
// and at the start-up length 11.
#include "app/workbench.h"

#include <benchmark/benchmark.h>

namespace {

// A line of all three states, line II its mirror, clocks spread over the
// visible clock rows; the row itself lies on the surface.
void setUp(rca::Workbench& wb, bool ordinary, int length) {
    rca::TForm1& f = wb.form1();
    f.CheckBox33.setChecked(false);
    for (rca::CheckBox* b : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30,
                             &f.CheckBox31, &f.CheckBox32, &f.CheckBox34, &f.CheckBox35})
        b->setChecked(true);
    f.CheckBox33.setChecked(ordinary);
    rca::Model& m = wb.model();
    m.lineLength = length;
    m.cellWidth = m.cellHeight = 7;
    m.pictureLeft = m.pictureTop = 0;
    m.stepTime = 50;
    uint32_t seed = 12345;
    for (int i = 0; i < 100; ++i) {
        seed = seed * 22695477u + 1u;
        m.lineI[i] = static_cast<rca::CellState>((seed >> 16) % 3);
        m.lineII[i] = m.lineI[i] == rca::A ? rca::B : m.lineI[i] == rca::B ? rca::A : rca::C;
        m.cellClockI[i] = 60 + i % 40;
        m.cellClockII[i] = 60 + (i * 7) % 40;
    }
}

void pictureRow(benchmark::State& state) {
    rca::Workbench wb;
    setUp(wb, state.range(0) != 0, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        wb.run("Button3Click");
        benchmark::DoNotOptimize(wb.canvas().image().constBits());
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

// Arguments: 1 = ordinary view, 0 = clock view; the line length.
BENCHMARK(pictureRow)->ArgsProduct({{1, 0}, {100, 11}})->ArgNames({"ordinary", "L"});
