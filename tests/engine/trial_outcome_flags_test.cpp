// Outcome flags and tallies of a finished trial, on models written by hand.
#include "engine/trial_outcome.h"
#include "engine/trial_outcome_fixture.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

using trialtest::finishedTrial;
using trialtest::setLine;

TEST(TrialOutcome, KnownTrialFlagsAndTallies) {
    auto m = finishedTrial();
    computeTrialOutcome(*m);
    EXPECT_EQ(m->endsDisjoint, 1);
    EXPECT_EQ(m->endFlipsStart, 0); // cell 1 is A at start and end
    EXPECT_EQ(m->bothDoneAt3, 0);
    // Disjoint ends, drifts 2 + -2 = 0, |2 / 2| = |4 - 5|: nothing fails.
    EXPECT_EQ(m->failCount1, 0);
    EXPECT_EQ(m->failCount2, 0);
    EXPECT_EQ(m->failCount3, 0);
}

TEST(TrialOutcome, FlipIgnoresCAndDisjointFailsOnAnyEqualCell) {
    auto m = finishedTrial();
    setLine(m->startLineI, "BACB");
    setLine(m->endLineI, "ABCA");
    setLine(m->endLineII, "BACB");
    m->failCount1 = 7;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->endFlipsStart, 1);
    EXPECT_EQ(m->endsDisjoint, 0); // both ends hold C in cell 2
    EXPECT_EQ(m->failCount1, 8);
    // Only cells below lineLength count.
    setLine(m->endLineI, "ABCAB");
    setLine(m->startLineI, "BACBB");
    m->lineLength = 4;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->endFlipsStart, 1);
}

TEST(TrialOutcome, TalliesTruncateTheDriftBeforeTheAbsoluteValue) {
    auto m = finishedTrial();
    m->cellDriftI[0] = -3; // -3 / 2 = -1
    m->cellDriftII[0] = 3;
    m->doneTimeI = 6;
    m->doneTimeII = 7;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->failCount2, 0);
    EXPECT_EQ(m->failCount3, 0);
    m->cellDriftII[0] = 2;
    m->doneTimeII = 9;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->failCount2, 1);
    EXPECT_EQ(m->failCount3, 1);
}

TEST(TrialOutcome, BothDoneAtThreeNeedsBothTimes) {
    auto m = finishedTrial();
    m->doneTimeI = m->doneTimeII = 3;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->bothDoneAt3, 1);
    m->doneTimeII = 4;
    computeTrialOutcome(*m);
    EXPECT_EQ(m->bothDoneAt3, 0);
}

} // namespace
} // namespace rca
