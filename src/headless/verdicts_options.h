#pragma once
// Options of `rcalab-cli verdicts`.
#include "theory/verdict.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rca {

// Bit of a verdict in VerdictsOptions::casesOf.
constexpr unsigned casesBit(Verdict v) {
    return 1u << static_cast<unsigned>(v);
}

struct VerdictsOptions {
    int32_t lengthMin = 0, lengthMax = 0; // lengths MIN .. MAX-1
    bool all = false;                     // every line of A and B cells; else `trials` drawn lines
    int64_t trials = 0;
    std::optional<uint32_t> seed;
    int32_t bCount = 8;
    VerdictRule rule;
    int threads = 0; // 0: one per core
    int shardIndex = 0, shardCount = 1;
    std::string casesFile; // ".npy": NumPy records, else JSON lines
    unsigned casesOf = casesBit(Verdict::Not) | casesBit(Verdict::Timeout);
    bool json = false;
    std::string outputFile; // --output: replaced by the results; "" is standard output
};

// A --cases-of value: some of ok, not, timeout, joined by commas.
unsigned parseCasesOf(const std::string& text);

// Throws UsageError (cli/batch_options.h) with a message naming the option.
VerdictsOptions parseVerdictsOptions(const std::vector<std::string>& args);

} // namespace rca
