#include "theory/done_time_table.h"

#include "engine/on_threads.h"

#include "theory/ring_rotation.h"
#include "theory/verdict_lanes.h"

#include <algorithm>
#include <atomic>

namespace rca {

DoneTimeTable::DoneTimeTable(int32_t length, const VerdictRule& rule, LanePath path, int threads)
    : times_(size_t{1} << std::clamp(length, 1, 26)), cells_(times_.size() - 1) {
    const int n = std::clamp(length, 1, 26);
    const FastRule fast(n, true, rule.mask);
    constexpr uint64_t chunk = 4096;
    std::atomic<uint64_t> next{0};
    // Each class is written by the one thread that holds its least turn.
    auto work = [&] {
        std::vector<uint64_t> least;
        std::vector<LinePlanes> starts;
        std::vector<int32_t> done;
        for (uint64_t first; (first = next.fetch_add(chunk)) < times_.size();) {
            least.clear();
            starts.clear();
            const uint64_t end = std::min<uint64_t>(first + chunk, times_.size());
            for (uint64_t x = first; x < end; ++x)
                if (isLeastTurn(x, n)) {
                    least.push_back(x);
                    starts.push_back(startPlanesI(x, n));
                }
            done.resize(least.size());
            lineDoneTimes(path, fast, true, starts.data(), starts.size(), rule.stepLimit,
                          done.data());
            for (size_t k = 0; k < least.size(); ++k)
                for (int turn = 0, period = ringPeriod(least[k], n); turn < period; ++turn)
                    times_[turnRing(least[k], turn, n)] = done[k];
        }
    };
    onThreads(threads, work);
}

} // namespace rca
