#pragma once
// The work of `rcalab-cli verdicts`: the start lines of every length, in
// blocks shared by a pool of threads, each block judged on the lanes; the
// results handed over in line order.
#include "headless/verdicts_options.h"
#include "theory/case_file.h"

#include <atomic>
#include <functional>

namespace rca {

struct LengthTally {
    int32_t length = 0;
    int64_t lines = 0, ok = 0, notOk = 0, timeout = 0;
    int64_t steps = 0;    // the end steps of the trials, timeouts counted at the step limit
    bool complete = true; // false when a stop left lines of this length (of this shard) unjudged
};

struct VerdictsSink {
    // Once per length with lines judged, in length order.
    std::function<void(const LengthTally&)> length;
    // Every NOT and timeout line in line order, when set.
    std::function<void(const VerdictCase&)> onCase;
    // Lines judged so far; from one thread at a time.
    std::function<void(int64_t)> progress;
};

// Lines this process judges (its shard of them).
int64_t verdictLineCount(const VerdictsOptions& o);

// Start lines of `length` for --trials: `count` lines from trial `first` on,
// each with `bCount` B draws as 'Random' makes them, from the generator
// state `seedState` before trial 0.
void drawTrialLines(uint32_t seedState, int32_t length, int32_t bCount, int64_t first, size_t count,
                    CellBits* out);

// The generator state before trial 0 of a length.
uint32_t trialSeedState(const VerdictsOptions& o, int32_t length);

// False when `stop` ended the run early; what was judged is reported.
bool runVerdicts(const VerdictsOptions& o, const std::atomic<bool>* stop, const VerdictsSink& sink);

} // namespace rca
