#include "engine/headless_batch.h"

#include <benchmark/benchmark.h>

namespace {

// The default batch of `rcalab-cli batch --seed 1`: 1000 trials, lengths
// 20..39, the start-up mask, Circle, from the generator state the workbench
// has after start-up (eight draws from 1).
void defaultBatch(benchmark::State& state) {
    rca::HeadlessBatchConfig c;
    c.randomState = 420428313u;
    c.seed = 1;
    c.trials = static_cast<int32_t>(state.range(0));
    int64_t steps = 0;
    for (auto _ : state) {
        const rca::HeadlessBatchResult r = rca::runHeadlessBatch(c);
        steps += r.steps;
        benchmark::DoNotOptimize(r.stats.trialCount);
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(defaultBatch)->Arg(1000)->ArgNames({"trials"})->Unit(benchmark::kMillisecond);
