#include "cli/batch_interrupt.h"

#include <csignal>

namespace rca {

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int) {
    stopRequested.store(true);
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

InterruptGuard::InterruptGuard() {
    stopRequested.store(false);
    std::signal(SIGINT, onInterrupt);
}

InterruptGuard::~InterruptGuard() {
    std::signal(SIGINT, SIG_DFL);
}

const std::atomic<bool>& InterruptGuard::flag() const {
    return stopRequested;
}

} // namespace rca
