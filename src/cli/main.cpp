// rcalab-cli: the workbench without a screen.
#include "cli/batch_interrupt.h"
#include "cli/subcommands.h"
#include "files/workdir.h"
#include "io/checked_output.h"
#include "io/file_problem.h"
#include "io/folder_lock.h"
#include "script/exit_codes.h"
#include "script/script.h"
#include "state/version.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const char* usage =
    "usage: rcalab-cli [--workdir DIR] [--allow-outside] --script FILE | -e 'cmd; cmd' | -\n"
    "       rcalab-cli init-workdir DIR\n"
    "       rcalab-cli batch [options]   (see docs/batch.md)\n"
    "       rcalab-cli sweep [options]\n"
    "       rcalab-cli verdicts [options]   (see docs/verdicts.md)\n"
    "       rcalab-cli --help | --version\n";

// --help: the usage with a line per form; help2man makes the manual page of it.
const char* help =
    "The rcalab workbench without a screen: scripts, headless batches and sweeps.\n\n"
    "Options:\n"
    "  --workdir DIR     run the script in working folder DIR (default: here)\n"
    "  --allow-outside   let the script's `save` and answered save dialogs write\n"
    "                    outside the working folder (refused by default)\n"
    "  --script FILE     run the script in FILE\n"
    "  -e 'cmd; cmd'     run these script lines\n"
    "  -                 read the script from standard input\n"
    "  init-workdir DIR  make DIR a working folder and list what was made\n"
    "  batch             one headless batch (batch --help lists its options)\n"
    "  sweep             batches over lists of settings (sweep --help)\n"
    "  verdicts          particle-model verdicts of families of lines (verdicts --help)\n"
    "  --help            show this help\n"
    "  --version         show the version\n\n"
    "The script language is described in docs/scripting.md, batches and sweeps\n"
    "in docs/batch.md (installed under share/doc/rcalab).\n\n"
    "Exit codes: 0 done; 1 a result could not be written; 2 a usage or script\n"
    "error; 3 a script ran to its end but file commands failed; 4 another program\n"
    "holds the working folder; 128+N stopped by signal N (130 Ctrl-C, 143 SIGTERM,\n"
    "129 SIGHUP) with the results so far.\n";

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<std::string> readScriptFile(const std::string& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw std::runtime_error("cannot read script " + file + ": it is a folder");
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read script " + file + ": " +
                                 rca::openFailure(file, false));
    std::vector<std::string> lines = readLines(in);
    if (in.bad()) throw std::runtime_error("cannot read script " + file + ": the read failed");
    return lines;
}

// One script a run: a second would silently replace the first.
void takeScript(bool& haveScript, const std::string& option) {
    if (haveScript)
        throw std::runtime_error(option + ": give one script only (--script FILE, -e or -)");
    haveScript = true;
}

// A folder name that looks like an option is taken for a mistyped option.
int initWorkdirCommand(int argc, char** argv, std::ostream& out) {
    const std::string dir = argc == 3 ? argv[2] : "";
    if (dir == "--help" || dir == "-h") {
        out << usage << '\n' << help;
        return 0;
    }
    if (argc != 3 || dir.empty()) throw std::runtime_error("init-workdir takes one folder");
    if (dir[0] == '-')
        throw std::runtime_error("init-workdir: unknown option " + dir +
                                 " (a folder whose name starts with '-' is written ./" + dir + ")");
    // It repairs files a program on the folder may be writing.
    rca::FolderLock lock;
    if (std::filesystem::is_directory(dir)) lock = rca::FolderLock::take(dir, "rcalab-cli");
    std::vector<std::string> made, repaired, leftAlone;
    const std::string error = rca::initWorkdir(dir, &made, &repaired, &leftAlone);
    for (const std::string& l : leftAlone)
        std::cerr << "rcalab-cli init-workdir: left alone: " << l << '\n';
    for (const std::string& m : made)
        out << "made " << (std::filesystem::path(dir) / m).string() << '\n';
    for (const std::string& r : repaired)
        out << "repaired " << (std::filesystem::path(dir) / r).string() << '\n';
    if (!error.empty()) {
        std::cerr << "rcalab-cli init-workdir: " << error << '\n';
        return rca::writeFailedExitCode;
    }
    if (made.empty() && repaired.empty()) out << dir << " is a working folder already\n";
    return 0;
}

int runScript(int argc, char** argv, std::ostream& out) {
    std::string workdir;
    std::vector<std::string> lines;
    bool haveScript = false;
    rca::ScriptOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(a + " needs a value");
            return argv[++i];
        };
        if (a == "--workdir") {
            if (!workdir.empty())
                throw std::runtime_error("--workdir is given twice; give it once");
            workdir = value();
            if (workdir.empty()) throw std::runtime_error("--workdir needs a folder");
        } else if (a == "--allow-outside") {
            options.allowOutside = true;
        } else if (a == "--script") {
            takeScript(haveScript, a);
            lines = readScriptFile(value());
        } else if (a == "-e") {
            takeScript(haveScript, a);
            lines = rca::splitCommands(value());
        } else if (a == "-") {
            takeScript(haveScript, a);
            lines = readLines(std::cin);
        } else {
            throw std::runtime_error("unknown option " + a);
        }
    }
    if (!haveScript) throw std::runtime_error("no script given");
    // The workbench resolves its files against the folder; the process stays put.
    if (!workdir.empty() && !std::filesystem::is_directory(workdir))
        throw std::runtime_error("cannot enter " + workdir + ": no such folder");
    rca::InterruptGuard interrupt;
    rca::Script script(out, std::cerr, workdir, options);
    script.setStop(&interrupt.flag());
    return interrupt.exitCode(script.run(lines));
}

int run(int argc, char** argv, std::ostream& out) {
    std::string first = argc > 1 ? argv[1] : "";
    if (first == "init-workdir") return initWorkdirCommand(argc, argv, out);
    if (first == "batch") return rca::batchCommand(argc - 1, argv + 1, out);
    if (first == "sweep") return rca::sweepCommand(argc - 1, argv + 1, out);
    if (first == "verdicts") return rca::verdictsCommand(argc - 1, argv + 1, out);
    if (first == "--help" || first == "-h") {
        out << usage << '\n' << help;
        return 0;
    }
    if (first == "--version") {
        out << "rcalab-cli " << rca::programVersion << '\n';
        return 0;
    }
    return runScript(argc, argv, out);
}

} // namespace

int main(int argc, char** argv) {
    rca::holdClosedStandardStreams();
    rca::CheckedOutput out(STDOUT_FILENO, "standard output");
    int code = 0;
    try {
        code = run(argc, argv, out.stream());
    } catch (const rca::FolderInUse& e) {
        std::cerr << "rcalab-cli: " << e.what() << '\n';
        code = rca::folderInUseExitCode;
    } catch (const std::exception& e) {
        std::cerr << "rcalab-cli: " << e.what() << '\n' << usage;
        code = rca::usageExitCode;
    }
    if (!out.finish().empty()) {
        std::cerr << "rcalab-cli: " << out.problem() << '\n';
        return rca::writeFailedExitCode;
    }
    return code;
}
