#include "headless/sweep_runner.h"

#include "engine/on_threads.h"

#include <algorithm>
#include <mutex>
#include <optional>

namespace rca {

std::vector<SweepItem> shardItems(const std::vector<HeadlessBatchConfig>& all, int shard,
                                  int count) {
    std::vector<SweepItem> items;
    for (size_t i = static_cast<size_t>(shard); i < all.size(); i += static_cast<size_t>(count))
        items.push_back(SweepItem{i, all[i]});
    return items;
}

void runSweep(const std::vector<SweepItem>& items, int threads, const std::atomic<bool>* stop,
              const SweepEmit& emit) {
    std::vector<std::optional<HeadlessBatchResult>> results(items.size());
    std::atomic<size_t> next{0};
    std::mutex emitting;
    size_t emitted = 0;
    auto stopped = [stop] { return stop && stop->load(); };

    // Items are taken in order, so every item before a started one has started too.
    auto work = [&] {
        HeadlessBatchControl control;
        control.stop = stop;
        for (size_t k = 0; !stopped() && (k = next.fetch_add(1)) < items.size();) {
            HeadlessBatchResult r = runHeadlessBatch(items[k].config, control);
            std::lock_guard lock(emitting);
            results[k] = std::move(r);
            for (; emitted < items.size() && results[emitted]; ++emitted)
                emit(items[emitted], *results[emitted]);
        }
    };
    onThreads(static_cast<long>(std::min(items.size(), static_cast<size_t>(std::max(threads, 1)))),
              work);
}

} // namespace rca
