#include "engine/fast_step.h"
#include "engine/step.h"

#include <benchmark/benchmark.h>

namespace {

rca::EngineState setUp(bool allBoxes) {
    rca::EngineState m;
    m.lineLength = 100;
    m.borderMode = 1;
    if (allBoxes) {
        for (int d = 1; d <= rca::maxDistance; ++d)
            m.neighbourMask.left[d] = m.neighbourMask.right[d] = true;
    }
    uint32_t seed = 12345;
    for (int i = 0; i < 100; ++i) {
        seed = seed * 22695477u + 1u;
        m.lineI[i] = static_cast<rca::CellState>((seed >> 16) % 3);
        m.lineII[i] = m.lineI[i] == rca::A ? rca::B : m.lineI[i] == rca::B ? rca::A : rca::C;
    }
    return m;
}

template <void (*Step)(rca::EngineState&)> void stepBoth(benchmark::State& state) {
    rca::EngineState m = setUp(state.range(0) != 0);
    for (auto _ : state) {
        Step(m);
        m.lineIDone = m.lineIIDone = 0; // keep both accumulators running
        benchmark::DoNotOptimize(m.lineI);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void stepBothFast(benchmark::State& state) {
    stepBoth<rca::stepBothLines>(state);
}
void stepBothPerCell(benchmark::State& state) {
    stepBoth<rca::stepBothLinesPerCell>(state);
}

// Runs of up to 1000 steps with the lines in bit planes between steps.
void stepRunFast(benchmark::State& state) {
    rca::EngineState m = setUp(state.range(0) != 0);
    int64_t steps = 0;
    for (auto _ : state) {
        steps += rca::runFastSteps(m, 1000);
        m.lineIDone = m.lineIIDone = 0;
        benchmark::DoNotOptimize(m.lineI);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    state.counters["ns/step"] = benchmark::Counter(
        static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

// Argument: 1 = all 22 mask boxes, 0 = the start-up mask (left 1, right 1, right 2).
// Both lines and their accumulators advance at every step.
BENCHMARK(stepBothFast)->Arg(1)->Arg(0)->ArgNames({"allBoxes"});
BENCHMARK(stepBothPerCell)->Arg(1)->Arg(0)->ArgNames({"allBoxes"});
BENCHMARK(stepRunFast)->Arg(1)->Arg(0)->ArgNames({"allBoxes"});
