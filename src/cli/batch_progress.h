#pragma once
// Progress on standard error, for runs longer than a second: at most one
// line a second, none at all for short runs. Each line estimates the time
// left, so a run that cannot finish says so at once instead of running on.
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>

namespace rca {

class Progress {
  public:
    // `unit` names what is counted ("trials", "configurations"); `advice`
    // tells how to ask for less when the run would take more than a day.
    Progress(std::ostream& err, std::string unit, int64_t total, std::string advice = {});
    // Safe from several threads.
    void update(int64_t done);

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    std::string unit_, advice_;
    int64_t total_;
    Clock::time_point start_, next_;
    std::mutex mutex_;
};

// "about 12 s left", "about 3.4 h left", "about 3.1e9 days left: this run
// will not finish; ADVICE"; "" when nothing is known yet (done <= 0).
std::string timeLeftText(double elapsedSeconds, int64_t done, int64_t total,
                         const std::string& advice);

} // namespace rca
