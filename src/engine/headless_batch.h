#pragma once
// The 'Timer10' batch mode without controls, timers or canvas: the same
// draws, set-ups, steps and trial check, one trial after another.
#include "engine/lane_path.h"
#include "state/batch_stats.h"
#include "state/engine_state.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace rca {

struct HeadlessBatchConfig {
    NeighbourMask mask = [] { // the start-up mask: left 1, right 1, right 2
        NeighbourMask m;
        m.left[1] = m.right[1] = m.right[2] = true;
        return m;
    }();
    int32_t borderMode = 1; // 0 is Frozen A, anything else Circle
    int32_t lengthMin = 20, lengthMax = 40;
    int32_t trials = 1000; // trialsPerBatch
    int32_t stepLimit = 1000000;
    // The generator state when the batch starts: the workbench's right after
    // start-up gives the workbench's numbers.
    uint32_t randomState = 1;
    // Set: every reseed is derivedSeed(*seed, trialCount), so the batch is
    // reproducible. Unset: reseeds are clockSeed(clock(), trialCount).
    std::optional<uint32_t> seed;
    // Nanoseconds read by the unseeded reseeds; empty means the wall clock.
    std::function<int64_t()> clock;
};

struct HeadlessBatchResult {
    WideBatchStats stats;
    int32_t failCount1 = 0, failCount2 = 0, failCount3 = 0;
    int64_t steps = 0;     // steps of all trials, the unclassified last one included
    bool complete = false; // false when stopped before the batch ended
};

struct HeadlessBatchControl {
    // Checked between trials; once true the batch stops with what it has.
    const std::atomic<bool>* stop = nullptr;
    // Called after every finished trial with the trial count so far.
    std::function<void(int32_t trialCount)> progress;
};

// On the path lanePathInUse() names.
HeadlessBatchResult runHeadlessBatch(const HeadlessBatchConfig& config,
                                     const HeadlessBatchControl& control = {});
// On the given path; one the processor lacks falls back to the scalar path.
// Every path gives the same result for a seeded batch.
HeadlessBatchResult runHeadlessBatchOn(LanePath path, const HeadlessBatchConfig& config,
                                       const HeadlessBatchControl& control = {});

// A seed fixes the whole batch: every reseed, and the generator state it
// starts from, derivedSeed(seed, 0) (trial 0 is never a reseed point), so two
// seeds differ from the first trial on. Without a seed the batch keeps the
// start state it has.
void seedBatch(HeadlessBatchConfig& config, std::optional<uint32_t> seed);

// A well-mixed 32-bit seed from a base seed and an index (a trial count, or
// a configuration's place in a sweep).
uint32_t derivedSeed(uint32_t seed, uint64_t index);

// An unseeded reseed. A batch plays 128 trials in far less than a second, so
// a clock alone would repeat; the trial count makes every reseed of one batch
// differ, and the sub-second clock makes runs differ.
uint32_t clockSeed(int64_t clockNanos, int32_t trialCount);

} // namespace rca
