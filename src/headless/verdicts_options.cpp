#include "headless/verdicts_options.h"

#include "engine/random_line.h"
#include "headless/batch_options.h"
#include "headless/command_options.h"

#include <limits>
#include <tuple>

namespace rca {

namespace {

// Line numbers of --all are bit sets of one machine word.
constexpr int32_t longestEnumerated = 62;
constexpr int maxThreads = 1024;

void check(const VerdictsOptions& o, const OptionsSeen& seen, bool haveLength,
           bool haveSeedOrCount) {
    if (!haveLength) throw UsageError("--length MIN..MAX is required");
    if (o.all == (o.trials > 0)) throw UsageError("give either --all or --trials N");
    if (o.all && haveSeedOrCount)
        throw UsageError("--seed and --bcount draw lines for --trials; --all draws none");
    checkMaskReach(o.rule.mask, o.rule.borderMode);
    if (o.all && o.lengthMax - 1 > longestEnumerated)
        throw UsageError("--all enumerates 2^L lines; lengths up to " +
                         std::to_string(longestEnumerated) + " only");
    if (seen.has("--cases-of") && o.casesFile.empty())
        throw UsageError("--cases-of picks the lines of --cases FILE; give --cases");
}

} // namespace

unsigned parseCasesOf(const std::string& text) {
    // In the order of Verdict, so bit k is verdict k.
    return parseChoices(text, {"ok", "not", "timeout"}, "--cases-of");
}

VerdictsOptions parseVerdictsOptions(const std::vector<std::string>& args) {
    VerdictsOptions o;
    bool haveLength = false, haveSeedOrCount = false;
    OptionsSeen seen;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        seen.take(a);
        if (a == "--length") {
            std::tie(o.lengthMin, o.lengthMax) = parseLengthRange(optionValue(args, i));
            haveLength = true;
        } else if (a == "--all") {
            o.all = true;
        } else if (a == "--trials") {
            o.trials = parseWhole(optionValue(args, i), 1, std::numeric_limits<int64_t>::max(), a);
        } else if (a == "--seed") {
            o.seed = static_cast<uint32_t>(
                parseWhole(optionValue(args, i), 0, std::numeric_limits<uint32_t>::max(), a));
            haveSeedOrCount = true;
        } else if (a == "--bcount") {
            o.bCount = static_cast<int32_t>(parseWhole(optionValue(args, i), 0, maxPoints, a));
            haveSeedOrCount = true;
        } else if (a == "--mask") {
            o.rule.mask = parseMask(optionValue(args, i));
        } else if (a == "--border") {
            o.rule.borderMode = parseBorder(optionValue(args, i));
        } else if (a == "--step-limit") {
            o.rule.stepLimit = static_cast<int32_t>(
                parseWhole(optionValue(args, i), 0, std::numeric_limits<int32_t>::max() - 1, a));
        } else if (a == "--threads") {
            o.threads = static_cast<int>(parseWhole(optionValue(args, i), 1, maxThreads, a));
        } else if (a == "--shard") {
            std::tie(o.shardIndex, o.shardCount) = parseShard(optionValue(args, i));
        } else if (a == "--cases") {
            o.casesFile = optionValue(args, i);
            if (o.casesFile.empty()) throw UsageError("--cases needs a file name");
        } else if (a == "--cases-of") {
            o.casesOf = parseCasesOf(optionValue(args, i));
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--output") {
            o.outputFile = outputFileValue(args, i);
        } else {
            throw UsageError("unknown option '" + a + "'");
        }
    }
    check(o, seen, haveLength, haveSeedOrCount);
    return o;
}

} // namespace rca
