#pragma once
// Progress on standard error, for runs longer than a second: at most one
// line a second, none at all for short runs.
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>

namespace rca {

class Progress {
  public:
    // `unit` names what is counted ("trials", "configurations").
    Progress(std::ostream& err, std::string unit, int64_t total);
    // Safe from several threads.
    void update(int64_t done);

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    std::string unit_;
    int64_t total_;
    Clock::time_point start_, next_;
    std::mutex mutex_;
};

} // namespace rca
