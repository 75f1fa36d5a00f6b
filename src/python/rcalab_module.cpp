// rcalab._core: the compiled half of the package; rcalab/__init__.py gives
// it typed keyword calls, progress bars and `python -m rcalab`.
#include "bindings.h"
#include "state/version.h"

PYBIND11_MODULE(_core, m) {
    m.doc() = "The rcalab workbench and its headless batches (the compiled part of rcalab).";
    m.attr("__version__") = rca::programVersion;
    rcapy::bindScriptError(m);
    rcapy::bindFolderInUse(m);
    rcapy::bindWorkbench(m);
    rcapy::bindBatch(m);
    rcapy::bindVerdicts(m);
}
