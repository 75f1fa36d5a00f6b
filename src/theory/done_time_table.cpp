#include "theory/done_time_table.h"

#include "engine/on_threads.h"

#include "theory/ring_rotation.h"
#include "theory/verdict_lanes.h"

#include <algorithm>
#include <atomic>

namespace rca {

DoneTimeTable::DoneTimeTable(int32_t length, const VerdictRule& rule, LanePath path, int threads)
    : times_(size_t{1} << std::clamp(length, 1, largestLength)), cells_(times_.size() - 1) {
    const int n = std::clamp(length, 1, largestLength);
    const FastRule fast(n, true, rule.mask);
    constexpr uint64_t chunk = 4096;
    std::atomic<uint64_t> next{0};
    // Each class is written by the one thread that holds its least turn.
    auto work = [&] {
        std::vector<CellBits> least;
        std::vector<LinePlanes> starts;
        std::vector<int32_t> done;
        for (uint64_t first; (first = next.fetch_add(chunk)) < times_.size();) {
            least.clear();
            appendLeastTurns(first, std::min<uint64_t>(first + chunk, times_.size()), n, least);
            starts.resize(least.size());
            std::transform(least.begin(), least.end(), starts.begin(),
                           [n](CellBits x) { return startPlanesI(x, n); });
            done.resize(least.size());
            lineDoneTimes(path, fast, true, starts.data(), starts.size(), rule.stepLimit,
                          done.data());
            for (size_t k = 0; k < least.size(); ++k)
                forEachTurn(static_cast<uint64_t>(least[k]), n,
                            [&](uint64_t line) { times_[line] = done[k]; });
        }
    };
    onThreads(threads, work);
}

} // namespace rca
