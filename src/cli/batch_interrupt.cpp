#include "cli/batch_interrupt.h"

namespace rca {

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int) {
    stopRequested.store(true);
}

} // namespace

InterruptGuard::InterruptGuard() {
    stopRequested.store(false);
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // The handler runs once: a second Ctrl-C finds the default again.
    action.sa_flags = SA_RESETHAND;
    installed_ = sigaction(SIGINT, &action, &previous_) == 0;
}

InterruptGuard::~InterruptGuard() {
    if (installed_) sigaction(SIGINT, &previous_, nullptr);
}

const std::atomic<bool>& InterruptGuard::flag() const {
    return stopRequested;
}

} // namespace rca
