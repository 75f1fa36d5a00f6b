#pragma once
// Long calls run on a thread of their own while the calling thread waits
// without the GIL and, every tenth of a second, lets Python handle its
// signals (Ctrl-C, a Jupyter interrupt) and report progress.
#include <pybind11/pybind11.h>

#include <atomic>
#include <functional>
#include <optional>

namespace rcapy {

// Runs `work` (which must not touch Python) to its end. `poll` runs with the
// GIL between waits and once at the end. A pending signal, or an error that
// `poll` raises, sets `stop` so that the work ends early; that Python error
// is returned for the caller to raise once it has kept the partial result.
// An exception of `work` is rethrown here.
std::optional<pybind11::error_already_set> runWatched(const std::function<void()>& work,
                                                      std::atomic<bool>& stop,
                                                      const std::function<void()>& poll = {});

// A command-line message in Python's words: "--step-limit" becomes "step_limit".
std::string pythonWording(const std::string& message);

} // namespace rcapy
