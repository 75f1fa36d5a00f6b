#include "headless/batch_start_state.h"

#include "app/workbench.h"
#include "forms/host.h"

namespace rca {

namespace {

// The workbench has no folder; the notices about its files are expected
// and not shown.
class QuietHost : public Host {
  public:
    std::optional<std::string> openFileName(const std::string&) override { return {}; }
    std::optional<std::string> saveFileName(const std::string&) override { return {}; }
    void message(const std::string&) override {}
    void showModal(Form&) override {}
};

// A folder below a file cannot exist, so every read and write of the
// start-up fails at once: nothing on disk is touched, nothing is created,
// and the process's current directory is not involved.
const char* const noFolder = "/dev/null/rcalab";

} // namespace

StartUpState workbenchStartUpState() {
    QuietHost host;
    Workbench wb(&host, noFolder);
    wb.startUp();
    const Model& m = wb.model();
    return StartUpState{m.randomState, m.neighbourMask, m.borderMode};
}

} // namespace rca
