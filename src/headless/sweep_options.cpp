#include "headless/sweep_options.h"

#include "headless/command_options.h"

#include <fstream>
#include <limits>
#include <sstream>
#include <tuple>

namespace rca {

namespace {

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, sep);)
        parts.push_back(part);
    if (parts.empty()) parts.emplace_back(); // an empty value is an error, not "nothing"
    return parts;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::vector<std::string> readLines(const std::string& file) {
    std::ifstream in(file);
    if (!in) throw UsageError("--configs: cannot read " + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool parseListOption(const std::vector<std::string>& args, size_t& i, SweepLists& l) {
    const std::string& a = args[i];
    if (a == "--masks") {
        for (const std::string& item : split(optionValue(args, i), ';'))
            for (const NeighbourMask& m : parseMaskItem(item))
                l.masks.push_back(m);
    } else if (a == "--lengths") {
        for (const std::string& range : split(optionValue(args, i), ','))
            l.lengths.push_back(parseLengthRange(range));
    } else if (a == "--borders") {
        for (const std::string& border : split(optionValue(args, i), ','))
            l.borders.push_back(parseBorder(border));
    } else if (a == "--configs") {
        l.configsFile = optionValue(args, i);
    } else {
        return false;
    }
    return true;
}

// Borders outer, lengths next, masks inner.
std::vector<BatchSettings> product(const SweepLists& l, const BatchSettings& base) {
    std::vector<BatchSettings> out;
    const std::vector<int32_t> borders =
        l.borders.empty() ? std::vector{base.borderMode} : l.borders;
    const auto lengths =
        l.lengths.empty() ? std::vector{std::pair{base.lengthMin, base.lengthMax}} : l.lengths;
    for (int32_t border : borders)
        for (auto [lo, hi] : lengths) {
            BatchSettings s = base;
            s.borderMode = border;
            s.lengthMin = lo;
            s.lengthMax = hi;
            if (l.masks.empty()) out.push_back(s);
            for (const NeighbourMask& m : l.masks) {
                s.mask = m;
                out.push_back(s);
            }
        }
    return out;
}

} // namespace

std::vector<int> parseMaskNumbers(const std::string& text) {
    std::vector<int> out;
    for (const std::string& part : split(text, ',')) {
        const size_t dots = part.find("..");
        const std::string what = "--masks number in '" + text + "'";
        const auto lo = static_cast<int>(parseWhole(part.substr(0, dots), 0, 31, what));
        const auto hi = dots == std::string::npos
                            ? lo
                            : static_cast<int>(parseWhole(part.substr(dots + 2), 0, 31, what));
        if (hi < lo) throw UsageError("--masks: '" + part + "' is an empty range");
        for (int v = lo; v <= hi; ++v)
            out.push_back(v);
    }
    return out;
}

std::vector<NeighbourMask> parseMaskItem(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return {parseMask(text)};
    std::vector<NeighbourMask> out;
    const std::vector<int> rights = parseMaskNumbers(text.substr(x + 1));
    for (int left : parseMaskNumbers(text.substr(0, x)))
        for (int right : rights)
            out.push_back(parseMask(std::to_string(left) + ":" + std::to_string(right)));
    return out;
}

std::vector<BatchSettings> parseConfigLines(const std::vector<std::string>& lines,
                                            const BatchSettings& base, const std::string& where) {
    std::vector<BatchSettings> out;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::vector<std::string> w = words(lines[n]);
        if (w.empty() || w[0][0] == '#') continue;
        BatchSettings s = base;
        try {
            OptionsSeen seen;
            for (size_t i = 0; i < w.size(); ++i) {
                seen.take(w[i]);
                if (!parseSettingOption(w, i, s))
                    throw UsageError("'" + w[i] + "' is not a setting of one batch");
            }
            checkSettings(s);
        } catch (const UsageError& e) {
            throw UsageError(where + " line " + std::to_string(n + 1) + ": " + e.what());
        }
        out.push_back(s);
    }
    if (out.empty()) throw UsageError(where + ": no configurations");
    return out;
}

SweepOptions parseSweepOptions(const std::vector<std::string>& args) {
    SweepOptions o;
    BatchSettings base;
    SweepLists lists;
    // A single value beside its list would be silently ignored.
    OptionsSeen seen({OptionsSeen::Pair{"--mask", "--masks"},
                      {"--length", "--lengths"},
                      {"--border", "--borders"}},
                     {"--masks", "--lengths", "--borders"});
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        seen.take(a);
        if (parseSettingOption(args, i, base) || parseListOption(args, i, lists)) continue;
        if (a == "--seed")
            o.seed = static_cast<uint32_t>(
                parseWhole(optionValue(args, i), 0, std::numeric_limits<uint32_t>::max(), a));
        else if (a == "--threads")
            o.threads = static_cast<int>(parseWhole(optionValue(args, i), 1, maxThreads, a));
        else if (a == "--shard")
            std::tie(o.shardIndex, o.shardCount) = parseShard(optionValue(args, i));
        else if (a == "--output")
            o.outputFile = outputFileValue(args, i);
        else
            throw UsageError("unknown option '" + a + "'");
    }
    o.configs = sweepSettings(lists, base);
    return o;
}

std::vector<BatchSettings> sweepSettings(const SweepLists& lists, const BatchSettings& base) {
    const bool haveLists = !lists.masks.empty() || !lists.lengths.empty() || !lists.borders.empty();
    if (!lists.configsFile.empty() && haveLists)
        throw UsageError("--configs gives the whole list; leave out --masks, --lengths and "
                         "--borders");
    std::vector<BatchSettings> configs =
        lists.configsFile.empty()
            ? product(lists, base)
            : parseConfigLines(readLines(lists.configsFile), base, lists.configsFile);
    for (const BatchSettings& s : configs)
        checkSettings(s);
    return configs;
}

} // namespace rca
