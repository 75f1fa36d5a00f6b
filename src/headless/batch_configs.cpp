#include "headless/batch_configs.h"

#include <thread>

namespace rca {

HeadlessBatchConfig batchConfig(const BatchSettings& s, const StartUpState& start) {
    HeadlessBatchConfig c;
    c.mask = s.mask.value_or(start.mask);
    c.borderMode = s.borderMode;
    c.lengthMin = s.lengthMin;
    c.lengthMax = s.lengthMax;
    c.trials = s.trials;
    c.stepLimit = s.stepLimit;
    c.randomState = start.randomState;
    return c;
}

HeadlessBatchConfig batchConfigFor(const BatchOptions& options) {
    HeadlessBatchConfig config = batchConfig(options.settings, workbenchStartUpState());
    seedBatch(config, options.seed);
    return config;
}

std::vector<HeadlessBatchConfig> sweepConfigs(const SweepOptions& o) {
    const StartUpState start = workbenchStartUpState();
    std::vector<HeadlessBatchConfig> all;
    for (size_t i = 0; i < o.configs.size(); ++i) {
        HeadlessBatchConfig c = batchConfig(o.configs[i], start);
        // From the index in the full list: the same whatever the threads and shards.
        if (o.seed) seedBatch(c, derivedSeed(*o.seed, i));
        all.push_back(c);
    }
    return all;
}

int sweepThreads(const SweepOptions& o) {
    if (o.threads > 0) return o.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

} // namespace rca
