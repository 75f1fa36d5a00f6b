#include "cli/batch_start_state.h"

#include "app/workbench.h"
#include "forms/host.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rca {

namespace {

namespace fs = std::filesystem;

// The scratch folder has none of the program's files; the notices about
// them are expected and not shown.
class QuietHost : public Host {
  public:
    std::optional<std::string> openFileName(const std::string&) override { return {}; }
    std::optional<std::string> saveFileName(const std::string&) override { return {}; }
    void message(const std::string&) override {}
    void showModal(Form&) override {}
};

// Enters a fresh empty folder for its lifetime; stays put if it cannot.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::error_code ec;
        home_ = fs::current_path(ec);
        if (ec) return;
        std::string pattern = (fs::temp_directory_path(ec) / "rcalab-batch-XXXXXX").string();
        if (ec || !mkdtemp(pattern.data())) return;
        scratch_ = pattern;
        fs::current_path(scratch_, ec);
        if (ec) scratch_.clear();
    }
    ~ScratchFolder() {
        if (scratch_.empty()) return;
        std::error_code ec;
        fs::current_path(home_, ec);
        fs::remove_all(scratch_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

  private:
    fs::path home_, scratch_;
};

} // namespace

StartUpState workbenchStartUpState() {
    ScratchFolder scratch;
    QuietHost host;
    Workbench wb(&host);
    wb.startUp();
    const Model& m = wb.model();
    return StartUpState{m.randomState, m.neighbourMask, m.borderMode};
}

} // namespace rca
