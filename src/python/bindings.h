#pragma once
// The parts of the Python module, each adding its names to it.
#include <pybind11/pybind11.h>

namespace rcapy {

void bindWorkbench(pybind11::module_& m);
void bindBatch(pybind11::module_& m);
void bindVerdicts(pybind11::module_& m);

} // namespace rcapy
