#pragma once
// Outcome of a finished trial and the batch-mode trial check, as pure
// functions over the model.
#include "model/model.h"

#include <functional>

namespace rca {

// Computes endFlipsStart, then endsDisjoint, updates failCount1..3 and
// computes bothDoneAt3, exactly as the evaluation does (into m's
// ResultsState).
void computeTrialOutcome(Model& m);

enum class BatchCheck {
    Running,      // the trial goes on
    Counted,      // over and accounted (classified or a timeout)
    BatchComplete // over, and the batch has reached trialsPerBatch
};

// Whether the batch-mode check ends the trial now: both lines done after
// stepTime 1, or stepTime past stepLimit.
bool batchTrialOver(const Model& m);

// Steps 1 to 5 of the batch-mode trial check. `reseed` is called when
// trialCount reaches a multiple of 128 and returns the new generator state.
BatchCheck batchTrialCheck(Model& m, const std::function<uint32_t()>& reseed);

} // namespace rca
