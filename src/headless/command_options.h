#pragma once
// What the options of batch, sweep and verdicts share: each option once, the
// pairs that exclude each other, --help and the --shard value.
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace rca {

// Refuses (with a UsageError naming both) an option given a second time, or
// one of a pair when the other was given: a silent last-one-wins would run
// something the user did not ask for.
class OptionsSeen {
  public:
    using Pair = std::pair<std::string, std::string>;
    // `repeatable` options add to a list and may come again.
    explicit OptionsSeen(std::vector<Pair> exclusive = {}, std::set<std::string> repeatable = {});
    // Notes `option` when it is one (starts with '-'); throws as above.
    void take(const std::string& option);
    bool has(const std::string& option) const { return seen_.count(option) != 0; }

  private:
    std::vector<Pair> exclusive_;
    std::set<std::string> repeatable_, seen_;
};

// Whether --help or -h is among the words.
bool helpAsked(const std::vector<std::string>& args);

// The file of --output at args[i] (i moves onto it); never empty.
std::string outputFileValue(const std::vector<std::string>& args, size_t& i);

constexpr int64_t maxShards = std::numeric_limits<int32_t>::max();

// "I/N": shard I of N, 0 <= I < N.
std::pair<int, int> parseShard(const std::string& text);

// "a,b" of `option`: words from `choices`, each at most once, as bit k for
// choices[k].
unsigned parseChoices(const std::string& text, const std::vector<std::string>& choices,
                      const std::string& option);

} // namespace rca
