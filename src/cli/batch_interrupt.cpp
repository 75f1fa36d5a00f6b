#include "cli/batch_interrupt.h"

#include "script/exit_codes.h"

namespace rca {

namespace {

std::atomic<bool> stopRequested{false};
std::atomic<int> firstSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int number) {
    int none = 0;
    firstSignal.compare_exchange_strong(none, number);
    stopRequested.store(true);
    // Whichever comes next ends the program: sigaction is safe here.
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        sigaction(s, &fallback, nullptr);
}

} // namespace

InterruptGuard::InterruptGuard() {
    stopRequested.store(false);
    firstSignal.store(0);
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    for (int s : handled)
        sigaddset(&action.sa_mask, s);
    for (int k = 0; k < 3; ++k)
        installed_[k] = sigaction(handled[k], &action, &previous_[k]) == 0;
}

InterruptGuard::~InterruptGuard() {
    for (int k = 0; k < 3; ++k)
        if (installed_[k]) sigaction(handled[k], &previous_[k], nullptr);
}

std::atomic<bool>& InterruptGuard::flag() {
    return stopRequested;
}

bool InterruptGuard::interrupted() const {
    return stopRequested.load();
}

int InterruptGuard::signal() const {
    return firstSignal.load();
}

int InterruptGuard::exitCode(int code) const {
    const int number = signal();
    return code == interruptedExitCode && number != 0 ? 128 + number : code;
}

} // namespace rca
