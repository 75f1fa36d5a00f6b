// The IMPROVE driver headless: one whole pass over the 1125 entries of an
// all-free base table, each trial run to its end (the window runs one trial
// a second at most, Timer5's interval).
#include "app/workbench.h"
#include "scratch_workdir.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

namespace {

// Timer5 and Timer1 ticks by hand, without the waits between them.
int64_t onePass(rca::Workbench& wb) {
    rca::MainControls& f = wb.form1();
    wb.run("DO1Click");
    int64_t trials = 0;
    while (f.Timer5.enabled()) {
        wb.run("Timer5Timer");
        if (!f.Timer1.enabled()) break; // the table is exhausted
        ++trials;
        while (f.Timer1.enabled())
            wb.run("Timer1Timer");
    }
    return trials;
}

void improvePass(benchmark::State& state) {
    ScratchWorkdir dir("rcalab-improve-bench");
    std::vector<char> base(rca::rcaTableBytes, 0);
    std::ofstream(dir.dir() / "IMPROVE/imp000.dat", std::ios::binary)
        .write(base.data(), base.size());

    rca::Workbench wb;
    wb.startUp();
    int64_t trials = 0;
    for (auto _ : state)
        trials += onePass(wb);
    state.counters["trials/s"] =
        benchmark::Counter(static_cast<double>(trials), benchmark::Counter::kIsRate);
    state.counters["trials/pass"] =
        benchmark::Counter(static_cast<double>(trials), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(improvePass)->Unit(benchmark::kMillisecond)->Iterations(3);
