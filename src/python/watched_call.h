#pragma once
// Long calls run on a thread of their own while the calling thread waits
// without the GIL and, every tenth of a second, lets Python handle its
// signals (Ctrl-C, a Jupyter interrupt) and report progress.
//
// The worker shares nothing with the caller's stack: whatever the work
// touches must be owned by the work itself (captured shared_ptrs), so a
// worker left behind after Ctrl-C, or at interpreter exit, never reaches
// freed memory.
#include <pybind11/pybind11.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace rcapy {

struct WatchState;

struct WatchOutcome {
    // A signal's exception, or the error that `poll` raised, for the caller
    // to raise once it has kept the partial result.
    std::optional<pybind11::error_already_set> raised;
    // The worker did not stop within the grace period and runs on: its
    // results must not be read.
    bool abandoned = false;
};

class WatchedCall {
  public:
    WatchedCall();
    // The flag the work must look at; it lives as long as the work does.
    const std::atomic<bool>* stopFlag() const;
    // Runs `work` (which must not touch Python) to its end, or until a
    // signal or `poll` stops it. `poll` runs with the GIL between waits and
    // once at the end. An exception of `work` is rethrown here.
    WatchOutcome run(std::function<void()> work, const std::function<void()>& poll = {});
    // False while an abandoned worker still runs.
    bool finished() const;

  private:
    std::shared_ptr<WatchState> state_;
};

// A command-line message in Python's words: "--step-limit" becomes "step_limit".
std::string pythonWording(const std::string& message);

} // namespace rcapy
