#pragma once
// The batches that settings describe: from the workbench's start-up state,
// each with its seed.
#include "engine/headless_batch.h"
#include "headless/batch_options.h"
#include "headless/batch_start_state.h"
#include "headless/sweep_options.h"

#include <vector>

namespace rca {

// The batch the settings describe, from the workbench's start-up state.
HeadlessBatchConfig batchConfig(const BatchSettings& s, const StartUpState& start);

// The batch the options describe: settings, start-up state and seed.
HeadlessBatchConfig batchConfigFor(const BatchOptions& options);

// Every configuration of the full list, each with its seed.
std::vector<HeadlessBatchConfig> sweepConfigs(const SweepOptions& options);

// The threads to run on: as asked, else one per core.
int sweepThreads(const SweepOptions& options);

} // namespace rca
