#pragma once
// Options of `rcalab-cli batch` and the value syntax that `sweep` shares.
#include "state/engine_state.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rca {

// A malformed command line; the message names the option and says why.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The trial check compares with `>`, so the limits must leave room above them.
constexpr int64_t largestCount = std::numeric_limits<int32_t>::max() - 1;

enum class OutputFormat { Text, Json, Csv };

// The settings of one batch as typed; unset ones take the start-up values.
struct BatchSettings {
    std::optional<NeighbourMask> mask;
    int32_t borderMode = 1;
    int32_t lengthMin = 20, lengthMax = 40;
    int32_t trials = 1000;
    int32_t stepLimit = 1000000;
};

struct BatchOptions {
    BatchSettings settings;
    std::optional<uint32_t> seed;
    OutputFormat format = OutputFormat::Text;
    std::string outputFile; // --output: replaced by the results; "" is standard output
};

BatchOptions parseBatchOptions(const std::vector<std::string>& args);

// Applies one setting option (--mask, --length, --border, --trials,
// --step-limit) at args[i], moving i past its value. False when args[i] is
// not one of them.
bool parseSettingOption(const std::vector<std::string>& args, size_t& i, BatchSettings& s);

// A frozen border looks at distances 1..6 only: a mask that reaches further
// would be echoed as run but act as a different one, so it is refused.
void checkSettings(const BatchSettings& s);
void checkMaskReach(const NeighbourMask& mask, int32_t borderMode);

// The value following option args[i]; i moves onto it.
const std::string& optionValue(const std::vector<std::string>& args, size_t& i);

// A whole decimal number in lo..hi, or a UsageError naming `what`.
int64_t parseWhole(const std::string& text, int64_t lo, int64_t hi, const std::string& what);

// A number already made, in lo..hi, or the same UsageError.
int64_t checkRange(int64_t v, int64_t lo, int64_t hi, const std::string& what);

// "L1,R1,R2" (distances 1..11, either case), "LEFT:RIGHT" as two 5-bit
// numbers (distance d is bit d-1), or "none".
NeighbourMask parseMask(const std::string& text);
// "MIN..MAX" as batchLengthMin and batchLengthMax: lengths MIN .. MAX-1.
std::pair<int32_t, int32_t> parseLengthRange(const std::string& text);
// The same checks for MIN and MAX given as numbers.
std::pair<int32_t, int32_t> checkLengthRange(int64_t lo, int64_t hi);
// "circle" or "frozen".
int32_t parseBorder(const std::string& text);

// The mask as "L1,R1,R2" ("none" when empty), and distances 1..5 of one side
// as a 5-bit number.
std::string maskText(const NeighbourMask& m);
int maskBits(const std::array<bool, maxDistance + 1>& side);

} // namespace rca
