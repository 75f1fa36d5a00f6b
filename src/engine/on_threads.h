#pragma once
// Work shared by a few threads that take their parts from a common counter.
#include <thread>
#include <vector>

namespace rca {

// Runs `work` on `threads` threads (at least one), this one among them, and
// returns when every one has returned.
template <class Work> void onThreads(long threads, const Work& work) {
    std::vector<std::thread> pool;
    for (long t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
}

} // namespace rca
