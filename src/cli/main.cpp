// rcalab-cli: the workbench without a screen.
#include "cli/script.h"
#include "cli/subcommands.h"
#include "files/workdir.h"
#include "state/version.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const char* usage = "usage: rcalab-cli [--workdir DIR] --script FILE | -e 'cmd; cmd' | -\n"
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
    "in docs/batch.md (installed under share/doc/rcalab).\n";

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

int runScript(int argc, char** argv) {
    std::string workdir;
    std::vector<std::string> lines;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error(a + " needs a value");
            return argv[++i];
        };
        if (a == "--workdir") {
            workdir = value();
        } else if (a == "--script") {
            std::string file = value();
            std::ifstream in(file);
            if (!in) throw std::runtime_error("cannot read script " + file);
            lines = readLines(in);
            haveScript = true;
        } else if (a == "-e") {
            lines = rca::splitCommands(value());
            haveScript = true;
        } else if (a == "-") {
            lines = readLines(std::cin);
            haveScript = true;
        } else {
            throw std::runtime_error("unknown option " + a);
        }
    }
    if (!haveScript) throw std::runtime_error("no script given");
    // The workbench resolves its files against the folder; the process stays put.
    if (!workdir.empty() && !std::filesystem::is_directory(workdir))
        throw std::runtime_error("cannot enter " + workdir + ": no such folder");
    rca::Script script(std::cout, std::cerr, workdir);
    return script.run(lines);
}

} // namespace

int main(int argc, char** argv) {
    try {
        std::string first = argc > 1 ? argv[1] : "";
        if (first == "init-workdir") {
            if (argc != 3) throw std::runtime_error("init-workdir takes one folder");
            std::vector<std::string> made;
            std::string error = rca::initWorkdir(argv[2], &made);
            for (const std::string& m : made)
                std::cout << "made " << (std::filesystem::path(argv[2]) / m).string() << '\n';
            if (!error.empty()) throw std::runtime_error(error);
            if (made.empty()) std::cout << argv[2] << " is a working folder already\n";
            return 0;
        }
        if (first == "batch") return rca::batchCommand(argc - 1, argv + 1);
        if (first == "sweep") return rca::sweepCommand(argc - 1, argv + 1);
        if (first == "verdicts") return rca::verdictsCommand(argc - 1, argv + 1);
        if (first == "--help" || first == "-h") {
            std::cout << usage << '\n' << help;
            return 0;
        }
        if (first == "--version") {
            std::cout << "rcalab-cli " << rca::programVersion << '\n';
            return 0;
        }
        return runScript(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "rcalab-cli: " << e.what() << '\n' << usage;
        return 2;
    }
}
