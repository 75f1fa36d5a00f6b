#pragma once
// The script language of rcalab-cli: user actions on controls by name, timer
// ticks on a virtual clock, mouse events, dialog answers, model values and
// canvas pixels. See docs/scripting.md.
#include "app/workbench.h"
#include "forms/virtual_clock.h"
#include "io/folder_lock.h"
#include "script/cli_host.h"

#include <atomic>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace rca {

struct ScriptOptions {
    // A script is data handed around like a file: by default the names it
    // writes to (`save`, an answered save dialog) must stay in the folder.
    bool allowOutside = false;
    // Named in the folder's lock, for a second program to see.
    std::string program = "rcalab-cli";
    // How the user lifts the confinement, added to a refusal.
    std::string outsideHint = "rcalab-cli --allow-outside lets a script write there";
};

class Script {
  public:
    // Locks `workdir` (empty: the current directory; FolderInUse when another
    // program holds it), builds the workbench over it with a CLI host and
    // runs its start-up.
    Script(std::ostream& out, std::ostream& err, const std::filesystem::path& workdir = {},
           ScriptOptions options = {});
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
    // Empty when a write to `name` (as given) may go ahead.
    std::string outsideRefusal(const std::string& name) const;

    std::ostream& out_;
    std::ostream& err_;
    ScriptOptions options_;
    FolderLock lock_;
    std::unique_ptr<CliHost> host_;
    std::unique_ptr<Workbench> wb_;
    std::unique_ptr<VirtualClock> clock_;
    const std::atomic<bool>* stop_ = nullptr;
};

// Splits `-e` text at semicolons into lines.
std::vector<std::string> splitCommands(const std::string& text);

} // namespace rca
