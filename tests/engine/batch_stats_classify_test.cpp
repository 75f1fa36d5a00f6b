// The batch-mode trial check: when a trial is over, how it is classified and
// counted, reseeding and the end of a batch, on models written by hand.
#include "engine/trial_outcome.h"
#include "engine/trial_outcome_fixture.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

using trialtest::finishedTrial;
using trialtest::setLine;

int reseeds = 0;
uint32_t fakeSeed() {
    ++reseeds;
    return 4242;
}

TEST(BatchTrialCheck, OverAtStepTimeTwoOrPastTheLimit) {
    auto m = finishedTrial();
    m->stepTime = 1;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Running);
    m->stepTime = 2;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Counted);
    EXPECT_EQ(m->trialCount, 1);
    // One line still running: only the limit ends it.
    m->lineIIDone = 0;
    m->stepLimit = 10;
    m->stepTime = 10;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Running);
    m->stepTime = 11;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Counted);
    EXPECT_EQ(m->trialCount, 2);
    EXPECT_EQ(m->timeoutCount, 1);
}

TEST(BatchTrialCheck, TimeoutCountsInNoClassAndKeepsTheFlags) {
    auto m = finishedTrial();
    m->cellDriftI[0] = 0;
    m->stepLimit = 4; // stepTime 5 = stepLimit + 1, even though both lines are done
    m->endFlipsStart = 1;
    m->failCount1 = 5;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Counted);
    EXPECT_EQ(m->trialCount, 1);
    EXPECT_EQ(m->timeoutCount, 1);
    EXPECT_EQ(m->zeroDriftCount + m->nonZeroDriftCount, 0);
    EXPECT_EQ(m->keptCount + m->bothThreeCount + m->changedEvenCount + m->changedOddCount, 0);
    EXPECT_EQ(m->endFlipsStart, 1);
    EXPECT_EQ(m->failCount1, 5);
}

TEST(BatchTrialCheck, DriftClassesByV) {
    // cellDriftI[0] -> v = |drift / 2|: -3 -> 1, 4 -> 2, 9 -> 4, 10 -> 5, -11 -> 5.
    auto m = finishedTrial();
    m->endFlipsStart = 1;
    m->failCount1 = 5;
    int32_t time = 0;
    for (int32_t drift : {-3, 4, 9, 10, -11}) {
        m->cellDriftI[0] = drift;
        m->doneTimeI = ++time;
        ASSERT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Counted);
    }
    EXPECT_EQ(m->nonZeroDriftCount, 5);
    EXPECT_EQ(m->zeroDriftCount, 0);
    EXPECT_EQ(m->drift1Count, 1);
    EXPECT_EQ(m->drift1TimeSum, 1);
    EXPECT_EQ(m->drift2to4Count, 2);
    EXPECT_EQ(m->drift2to4TimeSum, 2 + 3);
    EXPECT_EQ(m->drift5PlusCount, 2);
    EXPECT_EQ(m->drift5PlusTimeSum, 4 + 5);
    // Drifting trials leave the flags and tallies alone.
    EXPECT_EQ(m->endFlipsStart, 1);
    EXPECT_EQ(m->failCount1, 5);
}

TEST(BatchTrialCheck, StillTrialsByFlipAndParity) {
    auto m = finishedTrial();
    // Kept (start not flipped), even and odd times.
    m->cellDriftI[0] = 1; // 1 / 2 = 0
    m->doneTimeI = 4;
    batchTrialCheck(*m, fakeSeed);
    m->cellDriftI[0] = -1;
    m->doneTimeI = 7;
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(m->zeroDriftCount, 2);
    EXPECT_EQ(m->keptCount, 2);
    EXPECT_EQ(m->keptTimeSum, 11);
    EXPECT_EQ(m->keptEvenCount, 1);
    EXPECT_EQ(m->keptEvenTimeSum, 4);
    EXPECT_EQ(m->keptOddCount, 1);
    EXPECT_EQ(m->keptOddTimeSum, 7);
    // The classification computed the flags as the evaluation does.
    EXPECT_EQ(m->endsDisjoint, 1);
    EXPECT_EQ(m->failCount3, 2); // |0| against |T1 - 5| = 1 and 2

    // Flipped ends: start B A A A, end A B B B.
    setLine(m->endLineI, "ABBB");
    setLine(m->endLineII, "BAAA");
    m->cellDriftI[0] = 0;
    m->doneTimeI = m->doneTimeII = 3;
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(m->endFlipsStart, 1);
    EXPECT_EQ(m->bothThreeCount, 1);
    EXPECT_EQ(m->changedEvenCount + m->changedOddCount, 0);

    m->doneTimeII = 5;
    m->doneTimeI = -3; // a negative odd time is odd
    batchTrialCheck(*m, fakeSeed);
    m->doneTimeI = 6;
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(m->changedOddCount, 1);
    EXPECT_EQ(m->changedOddTimeSum, -3);
    EXPECT_EQ(m->changedEvenCount, 1);
    EXPECT_EQ(m->changedEvenTimeSum, 6);
    EXPECT_EQ(m->keptCount, 2);
    EXPECT_EQ(m->zeroDriftCount, 5);
}

TEST(BatchTrialCheck, ReseedsEveryHundredTwentyEightTrials) {
    auto m = finishedTrial();
    reseeds = 0;
    m->trialCount = 126;
    m->randomState = 1;
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(reseeds, 0);
    EXPECT_EQ(m->randomState, 1u);
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(m->trialCount, 128);
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(m->randomState, 4242u);
    m->trialCount = 255;
    batchTrialCheck(*m, fakeSeed);
    EXPECT_EQ(reseeds, 2);
}

TEST(BatchTrialCheck, TrialPastTheBatchCompletesItUnclassified) {
    auto m = finishedTrial();
    m->trialsPerBatch = 1000;
    m->trialCount = 999;
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::Counted);
    EXPECT_EQ(m->nonZeroDriftCount, 1);
    EXPECT_EQ(batchTrialCheck(*m, fakeSeed), BatchCheck::BatchComplete);
    EXPECT_EQ(m->trialCount, 1001);
    EXPECT_EQ(m->nonZeroDriftCount, 1);
    EXPECT_EQ(m->drift1Count, 1);
}

} // namespace
} // namespace rca
