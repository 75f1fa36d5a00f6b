#include "bindings.h"

namespace py = pybind11;

PYBIND11_MODULE(rcalab, m) {
    m.doc() = "The rcalab workbench and its headless batches, from Python.\n\n"
              "Workbench(workdir) is the whole program after start-up, driven with the\n"
              "verbs of rcalab-cli scripts; batch() and sweep() run the headless batches\n"
              "of `rcalab-cli batch` and `rcalab-cli sweep` and return their results.";
    rcapy::bindWorkbench(m);
    rcapy::bindBatch(m);
    rcapy::bindVerdicts(m);
    // The module's Python files (rcalab.distributed) sit in rcalab/ beside it:
    // a __path__ makes them its submodules.
    const py::object self = py::module_::import("importlib.util").attr("find_spec")("rcalab");
    const py::object dir = py::module_::import("os.path").attr("dirname")(self.attr("origin"));
    m.attr("__path__") = py::make_tuple(py::module_::import("os.path").attr("join")(dir, "rcalab"));
}
