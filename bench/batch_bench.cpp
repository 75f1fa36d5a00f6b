#include "engine/headless_batch.h"
#include "headless/batch_options.h"
#include "headless/sweep_runner.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <string>
#include <thread>

namespace {

// The generator state the workbench has after start-up (eight draws from 1).
constexpr uint32_t startUpState = 420428313u;

rca::LanePath pathOf(const benchmark::State& state) {
    return static_cast<rca::LanePath>(state.range(0));
}

// Steps per second of CPU time: one thread, so per core.
void countSteps(benchmark::State& state, int64_t steps) {
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

// The default batch of `rcalab-cli batch --seed 1`: 1000 trials, lengths
// 20..39, the start-up mask, Circle.
void defaultBatch(benchmark::State& state) {
    if (!rca::lanePathSupported(pathOf(state))) return state.SkipWithError("not supported");
    rca::HeadlessBatchConfig c;
    c.randomState = startUpState;
    c.seed = 1;
    c.trials = static_cast<int32_t>(state.range(1));
    int64_t steps = 0;
    for (auto _ : state) {
        const rca::HeadlessBatchResult r = rca::runHeadlessBatchOn(pathOf(state), c);
        steps += r.steps;
        benchmark::DoNotOptimize(r.stats.trialCount);
    }
    countSteps(state, steps);
}

// Batches of one length, `rcalab-cli batch --seed 1 --trials N --length L..L+1`.
void oneLengthBatch(benchmark::State& state) {
    if (!rca::lanePathSupported(pathOf(state))) return state.SkipWithError("not supported");
    rca::HeadlessBatchConfig c;
    c.randomState = startUpState;
    c.seed = 1;
    c.lengthMin = static_cast<int32_t>(state.range(1));
    c.lengthMax = c.lengthMin + 1;
    c.trials = static_cast<int32_t>(state.range(2));
    int64_t steps = 0;
    for (auto _ : state)
        steps += rca::runHeadlessBatchOn(pathOf(state), c).steps;
    countSteps(state, steps);
}

// Every 32nd configuration of `rcalab-cli sweep --masks 0..31x0..31 --trials
// 100 --seed 1` (with `lengthMax` above 40, `--lengths MIN..MAX` and the given
// trials): left number j with right number 7j + 3 mod 32, so each number
// appears once on each side. The whole sweep takes about 32 times as long.
std::vector<rca::SweepItem> sweepSlice(int32_t trials = 100, int32_t lengthMin = 20,
                                       int32_t lengthMax = 40) {
    std::vector<rca::SweepItem> items;
    for (int j = 0; j < 32; ++j) {
        const int right = (7 * j + 3) % 32, index = 32 * j + right;
        rca::SweepItem item;
        item.index = static_cast<size_t>(index);
        item.config.mask = rca::parseMask(std::to_string(j) + ":" + std::to_string(right));
        item.config.randomState = startUpState;
        item.config.trials = trials;
        item.config.lengthMin = lengthMin;
        item.config.lengthMax = lengthMax;
        item.config.seed = rca::derivedSeed(1, static_cast<uint64_t>(index));
        items.push_back(item);
    }
    return items;
}

// One thread: steps per second of CPU time.
void runSliceOneCore(benchmark::State& state, const std::vector<rca::SweepItem>& items) {
    if (!rca::lanePathSupported(pathOf(state))) return state.SkipWithError("not supported");
    int64_t steps = 0;
    for (auto _ : state)
        for (const rca::SweepItem& item : items)
            steps += rca::runHeadlessBatchOn(pathOf(state), item.config).steps;
    countSteps(state, steps);
}

void sweepOneCore(benchmark::State& state) {
    runSliceOneCore(state, sweepSlice());
}

// The slice over lengths 6..99 (`--lengths 6..100`), 10 trials a configuration.
void wholeRangeSweepOneCore(benchmark::State& state) {
    runSliceOneCore(state, sweepSlice(10, 6, 100));
}

// Both cores, the configurations taken in turn by two threads as
// `rcalab-cli sweep --threads 2` does: wall time.
void sweepTwoCores(benchmark::State& state) {
    if (!rca::lanePathSupported(pathOf(state))) return state.SkipWithError("not supported");
    const std::vector<rca::SweepItem> items = sweepSlice();
    for (auto _ : state) {
        std::atomic<size_t> next{0};
        auto work = [&] {
            for (size_t k; (k = next.fetch_add(1)) < items.size();)
                benchmark::DoNotOptimize(rca::runHeadlessBatchOn(pathOf(state), items[k].config));
        };
        std::thread other(work);
        work();
        other.join();
    }
}

} // namespace

// Path 0 is scalar, 1 AVX2, 2 AVX-512.
BENCHMARK(defaultBatch)
    ->ArgsProduct({{0, 1, 2}, {1000}})
    ->ArgNames({"path", "trials"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(oneLengthBatch)
    ->ArgsProduct({{0, 1, 2}, {60, 99}, {100}})
    ->ArgNames({"path", "length", "trials"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(wholeRangeSweepOneCore)
    ->DenseRange(0, 2)
    ->ArgName("path")
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(sweepOneCore)->DenseRange(0, 2)->ArgName("path")->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(sweepTwoCores)
    ->DenseRange(0, 2)
    ->ArgName("path")
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
