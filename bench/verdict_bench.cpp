// Every start line of one length judged (`rcalab-cli verdicts --length L..L+1
// --all`, start-up mask, Circle), on one thread and on two; and the single-
// line verdict, for comparison. Without cases, on the Circle, the done times
// are stepped once for each class of lines that are turns of one another.
#include "headless/verdicts_runner.h"

#include <benchmark/benchmark.h>

namespace {

rca::VerdictsOptions allLinesOf(int length, int threads) {
    rca::VerdictsOptions o;
    o.lengthMin = length;
    o.lengthMax = length + 1;
    o.all = true;
    o.threads = threads;
    return o;
}

// Real time, since the two-thread run's CPU time is spread over both cores.
void verdictsAll(benchmark::State& state) {
    const rca::VerdictsOptions o =
        allLinesOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    rca::LengthTally tally;
    rca::VerdictsSink sink;
    sink.length = [&tally](const rca::LengthTally& t) { tally = t; };
    for (auto _ : state)
        rca::runVerdicts(o, nullptr, sink);
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["trials/s"] = benchmark::Counter(static_cast<double>(tally.lines) * iterations,
                                                    benchmark::Counter::kIsRate);
    state.counters["steps/s"] = benchmark::Counter(static_cast<double>(tally.steps) * iterations,
                                                   benchmark::Counter::kIsRate);
    state.counters["ok"] = static_cast<double>(tally.ok);
}
BENCHMARK(verdictsAll)
    ->ArgsProduct({{16, 20}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(verdictsAll)
    ->ArgsProduct({{24}, {1, 2}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// The aim: under 45 s of wall time on two free cores. Run alone:
// --benchmark_filter=verdictsAll/28.
BENCHMARK(verdictsAll)->Args({28, 2})->UseRealTime()->Unit(benchmark::kSecond)->Iterations(1);

// The path of a case: both lines stepped one at a time and line I traced to
// its end, lines of length 20 in turn.
void singleLineVerdict(benchmark::State& state) {
    const rca::VerdictRule rule;
    uint64_t line = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rca::lineVerdict(line++ & 0xFFFFF, 20, rule));
    state.counters["trials/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(singleLineVerdict);

} // namespace
