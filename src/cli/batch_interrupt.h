#pragma once
// Ctrl-C, SIGTERM or SIGHUP during a command-line run: the first one asks
// for a clean stop (between trials, ticks or script lines) that keeps what
// was done; a second one ends the program at once. The handlers that were
// there before come back when the guard ends. Only the command-line program
// installs one; the library never touches signals.
#include <atomic>
#include <csignal>

namespace rca {

class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Set by the first signal; a run may also set it to stop itself.
    std::atomic<bool>& flag();
    bool interrupted() const;
    // The first signal caught, or 0.
    int signal() const;
    // `code` with interruptedExitCode made 128 + the signal caught.
    int exitCode(int code) const;

  private:
    static constexpr int handled[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[3] = {};
    bool installed_[3] = {};
};

} // namespace rca
