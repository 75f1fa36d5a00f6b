// Whole scripts against a fresh workbench in a ready working directory.
// Virtual time is bounded so an input cannot ask for hours of ticks.
#include "script/script.h"
#include "files/workdir.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr long long maxWait = 2000; // ms of `advance`, ticks of `tick`

bool withinTime(const std::string& line) {
    std::istringstream in(line);
    std::string verb, a, b;
    in >> verb >> a >> b;
    const std::string& count = verb == "advance" ? a : verb == "tick" ? b : "";
    if (count.empty()) return true;
    try {
        return std::stoll(count) <= maxWait;
    } catch (const std::exception&) {
        return true; // the script reports the bad number itself
    }
}

// Saved pictures and answered file names stay in the working folder, so a
// fuzzed script cannot write over files elsewhere.
bool insideWorkdir(const std::string& line) {
    const bool writes = line.rfind("save", 0) == 0 || line.rfind("answer", 0) == 0;
    if (!writes) return true;
    if (line.find("..") != std::string::npos) return false;
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '/' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return false; // an absolute path
    return true;
}

// The working folder is entered only while a script runs: libFuzzer reads
// and writes its corpus by the paths it was given, relative ones included.
class InWorkdir {
  public:
    InWorkdir() : home_(std::filesystem::current_path()) { std::filesystem::current_path(dir()); }
    ~InWorkdir() { std::filesystem::current_path(home_); }

  private:
    static const std::filesystem::path& dir() {
        static const auto path = [] {
            const auto d = std::filesystem::temp_directory_path() /
                           ("rcalab-fuzz-wd-" + std::to_string(::getpid()));
            rca::initWorkdir(d);
            return d;
        }();
        return path;
    }
    std::filesystem::path home_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (const std::string& line : rca::splitCommands(text)) {
        if (!insideWorkdir(line)) continue;
        if (!withinTime(line)) return 0;
        lines.push_back(line);
    }
    const InWorkdir inside;
    std::ostringstream out, err;
    rca::Script script(out, err);
    script.run(lines);
    return 0;
}
