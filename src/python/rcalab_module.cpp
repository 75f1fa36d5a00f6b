#include "bindings.h"

PYBIND11_MODULE(rcalab, m) {
    m.doc() = "The rcalab workbench and its headless batches, from Python.\n\n"
              "Workbench(workdir) is the whole program after start-up, driven with the\n"
              "verbs of rcalab-cli scripts; batch() and sweep() run the headless batches\n"
              "of `rcalab-cli batch` and `rcalab-cli sweep` and return their results.";
    rcapy::bindWorkbench(m);
    rcapy::bindBatch(m);
    rcapy::bindVerdicts(m);
}
