#include "engine/headless_batch.h"

#include "engine/batch_trials.h"
#include "engine/fast_step.h"
#include "engine/lane_batch.h"
#include "engine/trial_outcome.h"

#include <algorithm>
#include <memory>

namespace rca {

uint32_t derivedSeed(uint32_t seed, uint64_t index) {
    // splitmix64's finaliser over the pair.
    uint64_t x = (uint64_t{seed} << 32 ^ index) + 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<uint32_t>(x ^ (x >> 31));
}

void seedBatch(HeadlessBatchConfig& config, std::optional<uint32_t> seed) {
    config.seed = seed;
    if (seed) config.randomState = derivedSeed(*seed, 0);
}

uint32_t clockSeed(int64_t clockNanos, int32_t trialCount) {
    const auto t = static_cast<uint64_t>(clockNanos);
    return derivedSeed(static_cast<uint32_t>(t ^ t >> 32), static_cast<uint32_t>(trialCount));
}

HeadlessBatchResult runHeadlessBatch(const HeadlessBatchConfig& config,
                                     const HeadlessBatchControl& control) {
    return runHeadlessBatchOn(lanePathInUse(), config, control);
}

HeadlessBatchResult runHeadlessBatchOn(LanePath path, const HeadlessBatchConfig& config,
                                       const HeadlessBatchControl& control) {
    if (path != LanePath::Scalar && lanePathSupported(path))
        return runLaneBatch(path, config, control);
    std::unique_ptr<Model> model = batchModel(config);
    Model& m = *model;
    const std::function<uint32_t()> reseed = [&m, r = batchReseed(config)] {
        return r(m.trialCount);
    };

    HeadlessBatchResult result;
    while (!(control.stop && control.stop->load(std::memory_order_relaxed))) {
        setUpTrial(m);
        BatchCheck check = BatchCheck::Running;
        while (check == BatchCheck::Running) {
            // The check can only end the trial at a step that sets a done
            // marker or passes stepLimit; a run of steps stops at both.
            const int64_t toLimit = int64_t{m.stepLimit} + 1 - m.stepTime;
            result.steps +=
                runFastSteps(m, static_cast<int>(std::clamp<int64_t>(toLimit, 1, maxPlaneCount)));
            const BatchStats before = m;
            check = batchTrialCheck(m, reseed);
            addCheckTo(result.stats, before, m);
        }
        if (control.progress) control.progress(m.trialCount);
        if (check == BatchCheck::BatchComplete) {
            result.complete = true;
            break;
        }
    }
    result.failCount1 = m.failCount1;
    result.failCount2 = m.failCount2;
    result.failCount3 = m.failCount3;
    return result;
}

} // namespace rca
