#include "headless/batch_options.h"

#include "headless/command_options.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <tuple>

namespace rca {

namespace {

constexpr int shortestLength = 6; // a B count of at least 2 needs L / 2 >= 3
constexpr int32_t longestLengthMax = maxLineCells + 1;
constexpr int frozenReach = 6; // the distances a frozen border examines

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t pos; (pos = text.find(sep, start)) != std::string::npos; start = pos + 1)
        parts.push_back(text.substr(start, pos - start));
    parts.push_back(text.substr(start));
    return parts;
}

void setMaskBits(std::array<bool, maxDistance + 1>& side, int64_t bits) {
    for (int d = 1; d <= 5; ++d)
        side[d] = (bits >> (d - 1)) & 1;
}

NeighbourMask maskFromNumbers(const std::string& text, size_t colon) {
    NeighbourMask m;
    setMaskBits(m.left, parseWhole(text.substr(0, colon), 0, 31, "--mask left number"));
    setMaskBits(m.right, parseWhole(text.substr(colon + 1), 0, 31, "--mask right number"));
    return m;
}

NeighbourMask maskFromList(const std::string& text) {
    NeighbourMask m;
    for (const std::string& item : split(text, ',')) {
        const char side = item.empty() ? '\0' : static_cast<char>(std::toupper(item[0]));
        if (side != 'L' && side != 'R')
            throw UsageError("--mask: '" + item +
                             "' is not L<distance> or R<distance> (e.g. L1,R1,R2)");
        const auto d = static_cast<int>(
            parseWhole(item.substr(1), 1, maxDistance, "--mask distance in '" + item + "'"));
        (side == 'L' ? m.left : m.right)[d] = true;
    }
    return m;
}

[[noreturn]] void outside(const std::string& text, int64_t lo, int64_t hi,
                          const std::string& what) {
    throw UsageError(what + ": " + text + " is outside " + std::to_string(lo) + ".." +
                     std::to_string(hi));
}

} // namespace

const std::string& optionValue(const std::vector<std::string>& args, size_t& i) {
    if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
    return args[++i];
}

int64_t parseWhole(const std::string& text, int64_t lo, int64_t hi, const std::string& what) {
    int64_t v = 0;
    const char* first = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (text.empty() || ec == std::errc::invalid_argument || end != last)
        throw UsageError(what + ": '" + text + "' is not a whole number");
    if (ec == std::errc::result_out_of_range || v < lo || v > hi) outside(text, lo, hi, what);
    return v;
}

int64_t checkRange(int64_t v, int64_t lo, int64_t hi, const std::string& what) {
    if (v < lo || v > hi) outside(std::to_string(v), lo, hi, what);
    return v;
}

NeighbourMask parseMask(const std::string& text) {
    if (text == "none") return NeighbourMask{};
    const size_t colon = text.find(':');
    return colon == std::string::npos ? maskFromList(text) : maskFromNumbers(text, colon);
}

std::pair<int32_t, int32_t> parseLengthRange(const std::string& text) {
    const size_t dots = text.find("..");
    if (dots == std::string::npos)
        throw UsageError("--length: '" + text + "' is not MIN..MAX (e.g. 20..40)");
    const auto lo = static_cast<int32_t>(
        parseWhole(text.substr(0, dots), shortestLength, maxLineCells, "--length MIN"));
    const auto hi = static_cast<int32_t>(
        parseWhole(text.substr(dots + 2), 0, longestLengthMax, "--length MAX"));
    return checkLengthRange(lo, hi);
}

std::pair<int32_t, int32_t> checkLengthRange(int64_t lo, int64_t hi) {
    checkRange(lo, shortestLength, maxLineCells, "--length MIN");
    checkRange(hi, 0, longestLengthMax, "--length MAX");
    if (hi <= lo)
        throw UsageError("--length: " + std::to_string(lo) + ".." + std::to_string(hi) +
                         " is an empty range (lengths run from MIN to MAX-1, so MAX must "
                         "exceed MIN)");
    return {static_cast<int32_t>(lo), static_cast<int32_t>(hi)};
}

int32_t parseBorder(const std::string& text) {
    if (text == "circle") return 1;
    if (text == "frozen") return 0;
    throw UsageError("--border: '" + text + "' is not circle or frozen");
}

void checkSettings(const BatchSettings& s) {
    if (s.mask) checkMaskReach(*s.mask, s.borderMode);
}

void checkMaskReach(const NeighbourMask& mask, int32_t borderMode) {
    if (borderMode != 0) return;
    for (auto [letter, side] : {std::pair{'L', &mask.left}, {'R', &mask.right}})
        for (int d = frozenReach + 1; d <= maxDistance; ++d)
            if ((*side)[d])
                throw UsageError("--mask " + maskText(mask) + " with --border frozen: a frozen " +
                                 "border looks at distances 1.." + std::to_string(frozenReach) +
                                 " only, so " + letter + std::to_string(d) + " would be ignored");
}

bool parseSettingOption(const std::vector<std::string>& args, size_t& i, BatchSettings& s) {
    const std::string& a = args[i];
    if (a == "--mask")
        s.mask = parseMask(optionValue(args, i));
    else if (a == "--length")
        std::tie(s.lengthMin, s.lengthMax) = parseLengthRange(optionValue(args, i));
    else if (a == "--border")
        s.borderMode = parseBorder(optionValue(args, i));
    else if (a == "--trials")
        s.trials = static_cast<int32_t>(parseWhole(optionValue(args, i), 1, largestCount, a));
    else if (a == "--step-limit")
        s.stepLimit = static_cast<int32_t>(parseWhole(optionValue(args, i), 0, largestCount, a));
    else
        return false;
    return true;
}

BatchOptions parseBatchOptions(const std::vector<std::string>& args) {
    BatchOptions o;
    OptionsSeen seen({OptionsSeen::Pair{"--json", "--csv"}});
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        seen.take(a);
        if (parseSettingOption(args, i, o.settings)) continue;
        if (a == "--seed")
            o.seed = static_cast<uint32_t>(
                parseWhole(optionValue(args, i), 0, std::numeric_limits<uint32_t>::max(), a));
        else if (a == "--json")
            o.format = OutputFormat::Json;
        else if (a == "--csv")
            o.format = OutputFormat::Csv;
        else if (a == "--output")
            o.outputFile = outputFileValue(args, i);
        else
            throw UsageError("unknown option '" + a + "'");
    }
    checkSettings(o.settings);
    return o;
}

std::string maskText(const NeighbourMask& m) {
    std::string text;
    for (auto [letter, side] : {std::pair{'L', &m.left}, {'R', &m.right}})
        for (int d = 1; d <= maxDistance; ++d) {
            if (!(*side)[d]) continue;
            if (!text.empty()) text.push_back(',');
            text.push_back(letter);
            text.append(std::to_string(d));
        }
    return text.empty() ? "none" : text;
}

int maskBits(const std::array<bool, maxDistance + 1>& side) {
    int bits = 0;
    for (int d = 1; d <= 5; ++d)
        if (side[d]) bits |= 1 << (d - 1);
    return bits;
}

} // namespace rca
