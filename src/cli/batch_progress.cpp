#include "cli/batch_progress.h"

#include <cstdio>
#include <ostream>

namespace rca {

Progress::Progress(std::ostream& err, std::string unit, int64_t total)
    : err_(err), unit_(std::move(unit)), total_(total), start_(Clock::now()),
      next_(start_ + std::chrono::seconds(1)) {}

void Progress::update(int64_t done) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (now < next_) return;
    next_ = now + std::chrono::seconds(1);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f",
                  std::chrono::duration<double>(now - start_).count());
    err_ << "rcalab-cli: " << done << " of " << total_ << ' ' << unit_ << ", " << seconds << " s\n";
    err_.flush();
}

} // namespace rca
