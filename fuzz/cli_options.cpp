// The command lines of `batch` and `sweep`, and the lines of a --configs
// file. The first byte picks which; words are split at white space.
#include "headless/batch_options.h"
#include "headless/sweep_options.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& text, bool byLine) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string item;
    while (byLine ? static_cast<bool>(std::getline(in, item)) : static_cast<bool>(in >> item))
        out.push_back(item);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        switch (data[0] % 3) {
        case 0:
            rca::parseBatchOptions(split(text, false));
            break;
        case 1: {
            auto args = split(text, false);
            // A --configs file is read by name; its lines are fuzzed below.
            for (auto& a : args)
                if (a == "--configs") a = "--seed";
            rca::parseSweepOptions(args);
            break;
        }
        default:
            rca::parseConfigLines(split(text, true), rca::BatchSettings{}, "fuzz");
            break;
        }
    } catch (const rca::UsageError&) {
        // a clear message is the defined result of a bad command line
    }
    return 0;
}
