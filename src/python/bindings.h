#pragma once
// The parts of the Python module rcalab._core, each adding its names to it.
#include <pybind11/pybind11.h>

#include <stdexcept>

namespace rcapy {

// A script line that failed: rcalab.ScriptError, a RuntimeError.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// rcalab.ScriptError; a message with bytes that are not UTF-8 (a script's
// own text, cut inside a character) keeps them as U+FFFD.
void bindScriptError(pybind11::module_& m);
void bindWorkbench(pybind11::module_& m);
// rcalab.FolderInUseError, with the holder's `pid` and `holder`.
void bindFolderInUse(pybind11::module_& m);
void bindBatch(pybind11::module_& m);
void bindVerdicts(pybind11::module_& m);

} // namespace rcapy
