#include "engine/batch_trials.h"

#include "engine/batch_runner.h"
#include "engine/random.h"
#include "engine/random_line.h"

namespace rca {

std::unique_ptr<Model> batchModel(const HeadlessBatchConfig& c) {
    auto m = std::make_unique<Model>();
    m->neighbourMask = c.mask;
    m->borderMode = c.borderMode;
    m->batchLengthMin = c.lengthMin;
    m->batchLengthMax = c.lengthMax;
    m->trialsPerBatch = c.trials;
    m->stepLimit = c.stepLimit;
    m->randomState = c.randomState;
    m->cPointCount = 0;
    m->reverseMode = false;
    return m;
}

void setUpTrial(Model& m) {
    const BatchTrialDraw d = drawBatchTrial(m.randomState, m.batchLengthMin, m.batchLengthMax);
    m.lineLength = d.length;
    m.bPointCount = d.bCount;
    resetTrialRunState(m);
    drawRandomLine(m, m);
}

std::function<uint32_t(int32_t)> batchReseed(const HeadlessBatchConfig& c) {
    const std::function<int64_t()> clock = c.clock ? c.clock : wallClockNanos;
    const std::optional<uint32_t> seed = c.seed;
    return [seed, clock](int32_t trialCount) {
        return seed ? derivedSeed(*seed, static_cast<uint32_t>(trialCount))
                    : clockSeed(clock(), trialCount);
    };
}

} // namespace rca
