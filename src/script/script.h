#pragma once
// The script language of rcalab-cli: user actions on controls by name, timer
// ticks on a virtual clock, mouse events, dialog answers, model values and
// canvas pixels. See docs/scripting.md.
#include "app/workbench.h"
#include "forms/virtual_clock.h"
#include "script/cli_host.h"

#include <atomic>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace rca {

class Script {
  public:
    // Builds the workbench over `workdir` (empty: the current directory)
    // with a CLI host and runs its start-up.
    Script(std::ostream& out, std::ostream& err, const std::filesystem::path& workdir = {});
    ~Script();

    // Runs the lines in order; stops at the first error with
    // "line N: reason" on the error stream, or after the line a stop came
    // in. Returns the exit code: 0, usageExitCode, interruptedExitCode, or
    // fileCommandsFailedExitCode when the script ran to its end but file
    // commands reported failures (the window, too, carries on after them).
    int run(const std::vector<std::string>& lines);

    // Runs one line; an error throws with the reason (no line number).
    void runLine(const std::string& line);

    Workbench& workbench() { return *wb_; }

    // An interrupt: once `*stop` is true, the clock delivers no further
    // tick, repeated presses end early and run() stops after the line.
    void setStop(const std::atomic<bool>* stop);

  private:
    void execute(const std::vector<std::string>& words, const std::string& rest);
    Control& control(const std::string& ref) const;
    Timer& timer(const std::string& ref) const;
    Canvas& surface(const std::string& formName) const;
    std::string describe(const std::string& ref) const;

    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<CliHost> host_;
    std::unique_ptr<Workbench> wb_;
    std::unique_ptr<VirtualClock> clock_;
    const std::atomic<bool>* stop_ = nullptr;
};

// Splits `-e` text at semicolons into lines.
std::vector<std::string> splitCommands(const std::string& text);

} // namespace rca
