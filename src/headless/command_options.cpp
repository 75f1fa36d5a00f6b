#include "headless/command_options.h"

#include "headless/batch_options.h"

#include <algorithm>

namespace rca {

OptionsSeen::OptionsSeen(std::vector<Pair> exclusive, std::set<std::string> repeatable)
    : exclusive_(std::move(exclusive)), repeatable_(std::move(repeatable)) {}

void OptionsSeen::take(const std::string& option) {
    if (option.empty() || option[0] != '-') return;
    if (has(option) && !repeatable_.count(option))
        throw UsageError(option + " is given twice; give it once");
    for (const auto& [a, b] : exclusive_) {
        const std::string& other = option == a ? b : option == b ? a : option;
        if (other != option && has(other))
            throw UsageError(other + " and " + option + " exclude each other; give one");
    }
    seen_.insert(option);
}

bool helpAsked(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::string outputFileValue(const std::vector<std::string>& args, size_t& i) {
    const std::string& file = optionValue(args, i);
    if (file.empty()) throw UsageError("--output needs a file name");
    return file;
}

std::pair<int, int> parseShard(const std::string& text) {
    const size_t slash = text.find('/');
    if (slash == std::string::npos) throw UsageError("--shard: '" + text + "' is not I/N");
    const auto count =
        static_cast<int>(parseWhole(text.substr(slash + 1), 1, maxShards, "--shard N"));
    const auto index =
        static_cast<int>(parseWhole(text.substr(0, slash), 0, count - 1, "--shard I"));
    return {index, count};
}

unsigned parseChoices(const std::string& text, const std::vector<std::string>& choices,
                      const std::string& option) {
    std::string names;
    for (const std::string& c : choices)
        names += (names.empty() ? "" : ", ") + c;
    unsigned bits = 0;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        const std::string word = text.substr(start, comma - start);
        const auto at = std::find(choices.begin(), choices.end(), word);
        if (at == choices.end())
            throw UsageError(option + ": '" + word + "' is not one of " + names +
                             " (separate several by commas)");
        const unsigned bit = 1u << (at - choices.begin());
        if (bits & bit) throw UsageError(option + ": '" + word + "' is given twice");
        bits |= bit;
        if (comma == std::string::npos) return bits;
        start = comma + 1;
    }
}

} // namespace rca
