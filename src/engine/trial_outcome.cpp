#include "engine/trial_outcome.h"

#include <cstdlib>

namespace rca {

namespace {

// Counters and sums are 32-bit; past their range they wrap instead of
// overflowing into undefined behaviour.
void addWrapped(int32_t& total, int64_t v) {
    total = static_cast<int32_t>(static_cast<uint32_t>(total) + static_cast<uint32_t>(v));
}

uint8_t endFlipsStartOf(const Model& m, int n) {
    for (int i = 0; i < n; ++i) {
        const CellState s = m.startLineI[i], e = m.endLineI[i];
        if ((s == B && e == B) || (s == A && e == A)) return 0;
    }
    return 1;
}

uint8_t endsDisjointOf(const Model& m, int n) {
    for (int i = 0; i < n; ++i)
        if (m.endLineI[i] == m.endLineII[i]) return 0;
    return 1;
}

// |cellDriftI[0] / 2|, the division truncating before the absolute value.
int64_t driftSpeed(const Model& m) {
    return std::llabs(static_cast<int64_t>(m.cellDriftI[0]) / 2);
}

void countWithTime(int32_t& count, int32_t& sum, int32_t time) {
    addWrapped(count, 1);
    addWrapped(sum, time);
}

void classifyStill(Model& m) {
    addWrapped(m.zeroDriftCount, 1);
    computeTrialOutcome(m);
    const bool even = m.doneTimeI % 2 == 0;
    if (m.endFlipsStart == 0) {
        countWithTime(m.keptCount, m.keptTimeSum, m.doneTimeI);
        if (even)
            countWithTime(m.keptEvenCount, m.keptEvenTimeSum, m.doneTimeI);
        else
            countWithTime(m.keptOddCount, m.keptOddTimeSum, m.doneTimeI);
    } else if (m.bothDoneAt3 == 1) {
        addWrapped(m.bothThreeCount, 1);
    } else if (even) {
        countWithTime(m.changedEvenCount, m.changedEvenTimeSum, m.doneTimeI);
    } else {
        countWithTime(m.changedOddCount, m.changedOddTimeSum, m.doneTimeI);
    }
}

void classifyMoving(Model& m, int64_t v) {
    addWrapped(m.nonZeroDriftCount, 1);
    if (v == 1)
        countWithTime(m.drift1Count, m.drift1TimeSum, m.doneTimeI);
    else if (v <= 4)
        countWithTime(m.drift2to4Count, m.drift2to4TimeSum, m.doneTimeI);
    else
        countWithTime(m.drift5PlusCount, m.drift5PlusTimeSum, m.doneTimeI);
}

} // namespace

void computeTrialOutcome(Model& m) {
    const int n = boundedLength(m.lineLength);
    m.endFlipsStart = endFlipsStartOf(m, n);
    m.endsDisjoint = endsDisjointOf(m, n);
    const int64_t t1 = m.doneTimeI, t2 = m.doneTimeII;
    if (m.endsDisjoint == 0) addWrapped(m.failCount1, 1);
    if (static_cast<int64_t>(m.cellDriftI[0]) + m.cellDriftII[0] != 0) addWrapped(m.failCount2, 1);
    if (driftSpeed(m) != std::llabs(t1 - t2)) addWrapped(m.failCount3, 1);
    m.bothDoneAt3 = t1 == 3 && t2 == 3 ? 1 : 0;
}

bool batchTrialOver(const Model& m) {
    const bool finished = m.lineIDone != 0 && m.lineIIDone != 0 && m.stepTime > 1;
    return finished || m.stepTime > m.stepLimit;
}

BatchCheck batchTrialCheck(Model& m, const std::function<uint32_t()>& reseed) {
    if (!batchTrialOver(m)) return BatchCheck::Running;
    const bool timedOut = m.stepTime > m.stepLimit;

    addWrapped(m.trialCount, 1);
    if (m.trialCount % 128 == 0 && reseed) m.randomState = reseed();
    if (m.trialCount > m.trialsPerBatch) return BatchCheck::BatchComplete;

    if (timedOut) {
        addWrapped(m.timeoutCount, 1);
        return BatchCheck::Counted;
    }
    const int64_t v = driftSpeed(m);
    if (v == 0)
        classifyStill(m);
    else
        classifyMoving(m, v);
    return BatchCheck::Counted;
}

} // namespace rca
