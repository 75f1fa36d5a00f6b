#pragma once
// Ctrl-C during a batch or sweep: the first one asks for a clean stop between
// trials, a second one ends the program at once.
#include <atomic>

namespace rca {

class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    const std::atomic<bool>& flag() const;
    bool interrupted() const { return flag().load(); }
};

} // namespace rca
