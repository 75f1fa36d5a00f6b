// Runs random scripts (every verb, every name, numbers at the edges of every
// type, malformed values) against fresh workbenches; built with the
// sanitizers, any fault stops the run with their report. A script that
// takes a minute is reported as a hang.
//
//   random_scripts [--scripts N] [--lines N] [--seed S] [--only K] [--print]
//   random_scripts --dict FILE     writes libFuzzer's dictionary
#include "files/workdir.h"
#include "script/script.h"
#include "script_vocabulary.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr unsigned hangSeconds = 60;
std::string current; // the script running, for the hang report

void reportHang(int) {
    const std::string text = "random script hangs:\n" + current + "\n";
    [[maybe_unused]] const ssize_t n = ::write(2, text.data(), text.size());
    ::_exit(1);
}

struct Settings {
    long scripts = 300, lines = 12, only = -1;
    unsigned long long seed = 1;
    bool print = false;
    std::string dict;
};

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--print") {
            s.print = true;
            continue;
        }
        if (i + 1 >= argc) throw std::runtime_error(a + " needs a value");
        const std::string v = argv[++i];
        if (a == "--scripts")
            s.scripts = std::stol(v);
        else if (a == "--lines")
            s.lines = std::stol(v);
        else if (a == "--seed")
            s.seed = std::stoull(v);
        else if (a == "--only")
            s.only = std::stol(v);
        else if (a == "--dict")
            s.dict = v;
        else
            throw std::runtime_error("unknown option " + a);
    }
    return s;
}

// Script K of a seed is the same whatever ran before it.
std::vector<std::string> script(const rcafuzz::Vocabulary& words, unsigned long long seed, long k,
                                long lines) {
    std::mt19937_64 random(seed * 1000003 + static_cast<unsigned long long>(k));
    std::vector<std::string> out;
    const long n = 1 + static_cast<long>(random() % static_cast<unsigned long long>(lines));
    for (long i = 0; i < n; ++i)
        out.push_back(words.line(random));
    return out;
}

// A fresh working folder for each script, entered only while it runs.
void runInFreshFolder(const fs::path& dir, const std::vector<std::string>& lines) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    rca::initWorkdir(dir);
    const fs::path home = fs::current_path();
    fs::current_path(dir);
    std::ostringstream out, err;
    rca::Script script(out, err);
    // Past a refused line, as a user goes on after an error message: the
    // lines after it still reach the workbench.
    for (const std::string& line : lines) {
        try {
            script.runLine(line);
        } catch (const std::exception&) {
        }
    }
    fs::current_path(home);
}

} // namespace

int main(int argc, char** argv) {
    const Settings s = parse(argc, argv);
    const fs::path dir =
        fs::temp_directory_path() / ("rcalab-random-" + std::to_string(::getpid()));
    std::ostringstream sink;
    rca::Script names(sink, sink);
    const rcafuzz::Vocabulary words(names.workbench());
    if (!s.dict.empty()) {
        std::ofstream(s.dict) << words.dictionary();
        return 0;
    }
    std::signal(SIGALRM, reportHang);
    long lines = 0;
    for (long k = 0; k < s.scripts; ++k) {
        if (s.only >= 0 && k != s.only) continue;
        const std::vector<std::string> text = script(words, s.seed, k, s.lines);
        current = "script " + std::to_string(k) + " of seed " + std::to_string(s.seed) + ":";
        for (const std::string& line : text)
            current += "\n  " + line;
        if (s.print) std::cout << current << '\n';
        ::alarm(hangSeconds);
        runInFreshFolder(dir, text);
        ::alarm(0);
        lines += static_cast<long>(text.size());
    }
    fs::remove_all(dir);
    std::cout << s.scripts << " random scripts, " << lines << " lines, no fault\n";
    return 0;
}
