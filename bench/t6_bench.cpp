// The 'T=6' windows headless: the whole 135-trial sweep of the trial
// generator, and opening 'T6 Graf' with five curves of 100,000 points.
#include "analysis/t6_state.h"
#include "analysis/tform14.h"
#include "app/workbench.h"
#include "scratch_workdir.h"

#include <benchmark/benchmark.h>

namespace {

// Timer6 and Timer1 ticks by hand, without the waits between them.
int64_t oneSweep(rca::Workbench& wb) {
    rca::MainControls& f = wb.form1();
    wb.run("Begim1Click");
    int64_t trials = 0;
    while (f.Timer6.enabled()) {
        wb.run("Timer6Timer");
        if (!f.Timer1.enabled()) break; // trial 135 starts no run
        ++trials;
        while (f.Timer1.enabled())
            wb.run("Timer1Timer");
    }
    return trials;
}

void t6Sweep(benchmark::State& state) {
    ScratchWorkdir dir("rcalab-t6-bench");
    rca::Workbench wb;
    wb.startUp();
    int64_t trials = 0;
    for (auto _ : state)
        trials += oneSweep(wb);
    state.counters["trials/sweep"] =
        benchmark::Counter(static_cast<double>(trials), benchmark::Counter::kAvgIterations);
}

void t6GraphOpen(benchmark::State& state) {
    ScratchWorkdir dir("rcalab-t6-bench");
    rca::Workbench wb;
    wb.startUp();
    auto& s = wb.state<rca::T6State>();
    for (auto& curve : s.viewCurves)
        for (size_t i = 0; i < curve.size(); ++i)
            curve[i] = static_cast<int32_t>(i % 977);
    wb.model().stepTime = 3 * rca::viewCurveLength;
    auto& graph = *dynamic_cast<rca::TForm14*>(wb.form("TForm14"));
    size_t points = 0;
    for (auto _ : state) {
        wb.run("Showgrafics1Click");
        points = graph.Chart1.series()[0].points.size();
    }
    state.counters["points/curve"] = static_cast<double>(points);
}

} // namespace

BENCHMARK(t6Sweep)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(t6GraphOpen)->Unit(benchmark::kMillisecond)->Iterations(5);
