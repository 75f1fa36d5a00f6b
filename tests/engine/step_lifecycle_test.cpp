// Accumulators, counts, done markers and end lines of one step.
#include "engine/step.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

EngineState allA(int length) {
    EngineState m;
    m.lineLength = length;
    m.borderMode = 1;
    m.lineI.fill(A);
    m.lineII.fill(A);
    return m;
}

TEST(StepLifecycle, AllALineIsDoneAtTimeTwoNotOne) {
    EngineState m = allA(5);
    stepBothLines(m);
    EXPECT_EQ(m.stepTime, 1);
    EXPECT_EQ(m.countCI, 0);
    EXPECT_EQ(m.lineIDone, 0);
    stepBothLines(m);
    EXPECT_EQ(m.lineIDone, 1);
    EXPECT_EQ(m.lineIIDone, 1);
    EXPECT_EQ(m.doneTimeI, 2);
    EXPECT_TRUE(m.endLineITaken);
    // Two steps of A: +2 each to clock and drift.
    EXPECT_EQ(m.cellClockI[0], 4);
    EXPECT_EQ(m.cellDriftI[4], 4);
    EXPECT_EQ(m.countAI, 5);
}

TEST(StepLifecycle, DoneLineFreezesAccumulatorsAndEndLine) {
    EngineState m = allA(5);
    stepBothLines(m);
    stepBothLines(m);
    ASSERT_EQ(m.lineIDone, 1);
    Line end = m.endLineI;
    auto clock = m.cellClockI;
    // C cells reappear: the end line and the accumulators stay as they were.
    m.lineI[2] = C;
    stepBothLines(m);
    stepBothLines(m);
    EXPECT_EQ(m.endLineI, end);
    EXPECT_EQ(m.cellClockI, clock);
    EXPECT_EQ(m.doneTimeI, 2);
    EXPECT_EQ(m.stepTime, 4);
}

TEST(StepLifecycle, BAndCCellsCountOneClockAndLoseDrift) {
    EngineState m = allA(3);
    m.neighbourMask = NeighbourMask{}; // no activation: B and C alternate
    m.lineI[1] = B;
    stepBothLines(m); // cell 1 becomes C
    EXPECT_EQ(m.cellClockI[1], 1);
    EXPECT_EQ(m.cellDriftI[1], -1);
    EXPECT_EQ(m.countCI, 1);
    EXPECT_EQ(m.lineIDone, 0);
}

TEST(StepLifecycle, ReverseModeCountsDownAndNeverMarksAtOneOrBelow) {
    EngineState m = allA(4);
    m.reverseMode = true;
    m.stepTime = 3;
    stepBothLines(m); // 2: above 1, marked
    EXPECT_EQ(m.stepTime, 2);
    EXPECT_EQ(m.lineIDone, 1);
    EngineState n = allA(4);
    n.reverseMode = true;
    n.stepTime = 2;
    stepBothLines(n); // 1: not marked
    stepBothLines(n); // 0
    EXPECT_EQ(n.stepTime, 0);
    EXPECT_EQ(n.lineIDone, 0);
}

TEST(StepLifecycle, LengthZeroChangesNothingAndIsDoneAtTwo) {
    EngineState m = allA(0);
    m.lineI[0] = C;
    stepBothLines(m);
    stepBothLines(m);
    EXPECT_EQ(m.lineI[0], C);
    EXPECT_EQ(m.countCI + m.countBI + m.countAI, 0);
    EXPECT_EQ(m.lineIDone, 1);
}

TEST(StepLifecycle, OutOfRangeLengthsStayInsideTheArrays) {
    for (int length : {-5, 101, 131, 100000}) {
        EngineState m = allA(length);
        m.lineI[99] = C;
        stepBothLines(m);
        stepBothLines(m);
        EXPECT_LE(m.countAI + m.countBI + m.countCI, 100) << length;
    }
}

TEST(StepLifecycle, ForeignCellValuesAreNotCounted) {
    EngineState m = allA(4);
    m.lineI[1] = 5;
    m.nextLineI[1] = 5;
    stepBothLines(m);
    EXPECT_EQ(m.lineI[1], 5);
    EXPECT_EQ(m.countAI + m.countBI + m.countCI, 3);
}

} // namespace
} // namespace rca
