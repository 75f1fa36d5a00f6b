#pragma once
// Ctrl-C during a batch or sweep of the command line: the first one asks for
// a clean stop between trials, a second one ends the program at once. The
// handler that was there before comes back when the guard ends. Only the
// command-line program installs one; the library never touches signals.
#include <atomic>
#include <csignal>

namespace rca {

class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    const std::atomic<bool>& flag() const;
    bool interrupted() const { return flag().load(); }

  private:
    struct sigaction previous_ = {};
    bool installed_ = false;
};

} // namespace rca
