// rcalab-cli: the workbench without a screen.
#include "cli/script.h"
#include "cli/subcommands.h"
#include "files/workdir.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const char* usage = "usage: rcalab-cli [--workdir DIR] --script FILE | -e 'cmd; cmd' | -\n"
                    "       rcalab-cli init-workdir DIR\n"
                    "       rcalab-cli batch [options]   (see docs/batch.md)\n"
                    "       rcalab-cli sweep [options]\n";

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
            std::string error = rca::initWorkdir(argv[2]);
            if (!error.empty()) throw std::runtime_error(error);
            return 0;
        }
        if (first == "batch") return rca::batchCommand(argc - 1, argv + 1);
        if (first == "sweep") return rca::sweepCommand(argc - 1, argv + 1);
        if (first == "--help" || first == "-h") {
            std::cout << usage;
            return 0;
        }
        return runScript(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "rcalab-cli: " << e.what() << '\n' << usage;
        return 2;
    }
}
