// Whole scripts against a fresh workbench in a ready working directory.
// Virtual time is bounded so an input cannot ask for hours of ticks.
#include "cli/script.h"
#include "files/workdir.h"

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

void enterWorkdir() {
    static const bool ready = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("rcalab-fuzz-wd-" + std::to_string(::getpid()));
        rca::initWorkdir(dir);
        std::filesystem::current_path(dir);
        return true;
    }();
    (void)ready;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    enterWorkdir();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (const std::string& line : rca::splitCommands(text)) {
        if (line.rfind("save", 0) == 0 && line.find('/') != std::string::npos) continue;
        if (!withinTime(line)) return 0;
        lines.push_back(line);
    }
    std::ostringstream out, err;
    rca::Script script(out, err);
    script.run(lines);
    return 0;
}
