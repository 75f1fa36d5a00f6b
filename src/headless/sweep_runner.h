#pragma once
// Runs many headless batches on a pool of threads, each batch on its own
// model, and hands the results over in list order.
#include "engine/headless_batch.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace rca {

struct SweepItem {
    size_t index = 0; // place in the full list, across all shards
    HeadlessBatchConfig config;
};

// The items of shard `shard` of `count`: every count-th index, from `shard`.
std::vector<SweepItem> shardItems(const std::vector<HeadlessBatchConfig>& all, int shard,
                                  int count);

using SweepEmit = std::function<void(const SweepItem&, const HeadlessBatchResult&)>;

// `emit` runs once per started item, in item order, one call at a time.
// Once `stop` is set no further item starts and running batches end
// between trials (their results say incomplete).
void runSweep(const std::vector<SweepItem>& items, int threads, const std::atomic<bool>* stop,
              const SweepEmit& emit);

} // namespace rca
