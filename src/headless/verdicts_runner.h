#pragma once
// The work of `rcalab-cli verdicts`: the start lines of every length, in
// blocks shared by a pool of threads, each block judged on the lanes; the
// results handed over in line order.
#include "headless/verdicts_options.h"
#include "theory/case_file.h"

#include <atomic>
#include <functional>
#include <vector>

namespace rca {

struct LengthTally {
    int32_t length = 0;
    int64_t lines = 0, ok = 0, notOk = 0, timeout = 0;
    int64_t steps = 0;    // the end steps of the trials, timeouts counted at the step limit
    bool complete = true; // false when a stop left lines of this length (of this shard) unjudged
    // Where the model fails: NOT lines by the first row where model and
    // marks differ; OK lines by the B cells of the start line (0 .. length);
    // ended trials by end step, bucket k holding 2^k .. 2^(k+1) - 1 and
    // bucket 0 also 0. The first and last end at their last nonzero count.
    std::vector<int64_t> notByRow, okByB, endStepsLog2;
};

// The bucket of `endStepsLog2` for an end step.
int endStepBucket(int32_t endStep);

struct VerdictsSink {
    // Once per length with lines judged, in length order.
    std::function<void(const LengthTally&)> length;
    // The lines whose verdicts options.casesOf names, in line order, when set.
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
