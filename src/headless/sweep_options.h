#pragma once
// Options of `rcalab-cli sweep`: the list of batch configurations, the seed,
// threads and this process's shard of the list.
#include "headless/batch_options.h"
#include "headless/command_options.h"

#include <optional>
#include <string>
#include <vector>

namespace rca {

struct SweepOptions {
    // The full list, in order; a configuration's index is its place here.
    std::vector<BatchSettings> configs;
    std::optional<uint32_t> seed;
    int threads = 0; // 0: one per core
    int shardIndex = 0, shardCount = 1;
    std::string outputFile; // --output: replaced by the results; "" is standard output
};

constexpr int maxThreads = 1024;

SweepOptions parseSweepOptions(const std::vector<std::string>& args);

// The lists of --masks, --lengths and --borders, whose product is the list
// (an empty one means the base setting alone), or a --configs file.
struct SweepLists {
    std::vector<NeighbourMask> masks;
    std::vector<std::pair<int32_t, int32_t>> lengths;
    std::vector<int32_t> borders;
    std::string configsFile;
};

// Every configuration the lists describe over `base`: borders outer,
// lengths next, masks inner; or the lines of the configs file.
std::vector<BatchSettings> sweepSettings(const SweepLists& lists, const BatchSettings& base);

// The 5-bit numbers of a set: "N", "N..M" (both ends included) and commas
// between them, e.g. "0..31" or "1,4,16..19".
std::vector<int> parseMaskNumbers(const std::string& text);

// One --masks item: "LEFTSxRIGHTS" (every left number with every right
// number, left outer) or a single mask as --mask takes it.
std::vector<NeighbourMask> parseMaskItem(const std::string& text);

// One configuration per line of a --configs file: setting options
// (--mask, --length, --border, --trials, --step-limit) over `base`. Blank
// lines and lines starting with # are skipped.
std::vector<BatchSettings> parseConfigLines(const std::vector<std::string>& lines,
                                            const BatchSettings& base, const std::string& where);

} // namespace rca
