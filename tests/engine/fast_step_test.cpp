#include "engine/fast_step.h"
#include "engine/line_text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace rca {
namespace {

using test::letters;
using test::maskOf;
using test::show;

std::string fastRun(const std::string& start, const NeighbourMask& mask, bool circle, int steps) {
    const int n = static_cast<int>(start.size());
    FastRule rule(n, circle, mask);
    Line line = letters(start), next{};
    StateCounts counts;
    for (int k = 0; k < steps; ++k)
        EXPECT_TRUE(fastStepLine(rule, line, next, counts));
    EXPECT_EQ(show(next, n), show(line, n));
    return show(line, n);
}

// Worked by hand from the rule table, independently of either path.
TEST(FastStep, HandWorkedLines) {
    EXPECT_EQ(fastRun("AAAAC", maskOf({}, {1}), true, 4), "CBCAC");
    EXPECT_EQ(fastRun("AABAA", maskOf({1}, {1, 2}), true, 4), "ACCAB");
    EXPECT_EQ(fastRun("AABAA", maskOf({1}, {1, 2}), false, 4), "CCCAB");
    EXPECT_EQ(fastRun("BAAAAAAAAA", maskOf({1}, {1, 2}), true, 8), "BCCCCCCCCC");
    EXPECT_EQ(fastRun("CBA", NeighbourMask{}, true, 1), "BCA");
}

TEST(FastStep, CircleDistancesWrapModuloTheLength) {
    // L = 3: right 5 is right 2, i.e. left 1. C at 0 activates cell 1 only.
    EXPECT_EQ(fastRun("CAA", maskOf({}, {5}), true, 1), "BCA");
    // L = 1: the single cell sees itself at every distance.
    EXPECT_EQ(fastRun("A", maskOf({}, {11}), true, 1), "A");
    EXPECT_EQ(fastRun("B", maskOf({7}, {}), true, 1), "C");
    // Right 11 on 11 cells is the cell itself: a B next to nothing else stays unactivated.
    EXPECT_EQ(fastRun("CBAAAAAAAAA", maskOf({}, {11}), true, 1), "BCAAAAAAAAA");
}

TEST(FastStep, FrozenBorderIgnoresFarDistancesAndTheOutside) {
    EXPECT_EQ(fastRun("AAAAAAAC", maskOf({}, {7}), false, 1), "AAAAAAAB");
    EXPECT_EQ(fastRun("AAAAAAC", maskOf({}, {6}), false, 1), "CAAAAAB");
    EXPECT_EQ(fastRun("CAAAAAAAAA", maskOf({1}, {}), false, 1), "BCAAAAAAAA");
    EXPECT_EQ(fastRun("CAAAAAAAAA", maskOf({}, {1}), false, 1), "BAAAAAAAAA");
}

TEST(FastStep, PackRefusesForeignValuesOnlyInsideTheLine) {
    Line l{};
    l.fill(A);
    l[40] = 3;
    l[99] = 200;
    LinePlanes p;
    EXPECT_FALSE(packLine(l, 41, p));
    EXPECT_TRUE(packLine(l, 40, p));
    l[40] = A;
    EXPECT_FALSE(packLine(l, 100, p));
    l[99] = 4;
    EXPECT_FALSE(packLine(l, 100, p));
    l[99] = C;
    ASSERT_TRUE(packLine(l, 100, p));
    EXPECT_EQ(p.c, CellBits{1} << 99);
    EXPECT_EQ(p.b, CellBits{0});
}

TEST(FastStep, UnpackWritesOnlyTheLine) {
    Line src{}, dst{};
    for (int i = 0; i < maxLineCells; ++i)
        src[i] = static_cast<CellState>(i % 3);
    dst.fill(9);
    LinePlanes p;
    ASSERT_TRUE(packLine(src, 77, p));
    unpackLine(p, 77, dst);
    for (int i = 0; i < maxLineCells; ++i)
        EXPECT_EQ(dst[i], i < 77 ? src[i] : 9) << i;
}

// --- the two paths of stepBothLines, side by side -------------------------

void expectSameState(const EngineState& x, const EngineState& y, const std::string& where) {
    EXPECT_EQ(x.lineI, y.lineI) << where;
    EXPECT_EQ(x.lineII, y.lineII) << where;
    EXPECT_EQ(x.nextLineI, y.nextLineI) << where;
    EXPECT_EQ(x.nextLineII, y.nextLineII) << where;
    EXPECT_EQ(x.endLineI, y.endLineI) << where;
    EXPECT_EQ(x.endLineII, y.endLineII) << where;
    EXPECT_EQ(x.cellClockI, y.cellClockI) << where;
    EXPECT_EQ(x.cellClockII, y.cellClockII) << where;
    EXPECT_EQ(x.cellDriftI, y.cellDriftI) << where;
    EXPECT_EQ(x.cellDriftII, y.cellDriftII) << where;
    EXPECT_EQ(x.stepTime, y.stepTime) << where;
    EXPECT_EQ(x.lineIDone, y.lineIDone) << where;
    EXPECT_EQ(x.lineIIDone, y.lineIIDone) << where;
    EXPECT_EQ(x.doneTimeI, y.doneTimeI) << where;
    EXPECT_EQ(x.doneTimeII, y.doneTimeII) << where;
    EXPECT_EQ(x.endLineITaken, y.endLineITaken) << where;
    EXPECT_EQ(x.endLineIITaken, y.endLineIITaken) << where;
    EXPECT_EQ(x.countCI, y.countCI) << where;
    EXPECT_EQ(x.countBI, y.countBI) << where;
    EXPECT_EQ(x.countAI, y.countAI) << where;
    EXPECT_EQ(x.countCII, y.countCII) << where;
    EXPECT_EQ(x.countBII, y.countBII) << where;
    EXPECT_EQ(x.countAII, y.countAII) << where;
}

struct RandomTrial {
    std::mt19937 gen;
    explicit RandomTrial(unsigned seed) : gen(seed) {}
    int below(int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); }

    // Mostly trial-like lines (few C, so lines finish and markers get set),
    // sometimes uniform ones, sometimes a foreign byte inside or past the line.
    void fillLine(Line& l, int length) {
        const int kind = below(3);
        for (auto& cell : l)
            cell = static_cast<CellState>(below(3));
        for (int i = 0; i < length; ++i)
            l[i] = kind == 0 ? static_cast<CellState>(below(3)) : below(8) == 0 ? B : A;
        if (below(6) == 0) l[below(maxLineCells)] = static_cast<CellState>(3 + below(253));
    }

    EngineState make() {
        EngineState m;
        const int pick = below(10);
        m.lineLength = pick == 0 ? below(4) : pick == 1 ? 100 - below(4) : below(101);
        // Now and then a length outside the arrays, which both paths bound.
        if (below(50) == 0) m.lineLength = below(2) ? -5 : 250;
        m.borderMode = below(3) - 1; // -1 and 1 are Circle, 0 is Frozen A
        for (int d = 1; d <= maxDistance; ++d) {
            m.neighbourMask.left[d] = below(4) == 0;
            m.neighbourMask.right[d] = below(4) == 0;
        }
        fillLine(m.lineI, boundedLength(m.lineLength));
        fillLine(m.lineII, boundedLength(m.lineLength));
        fillLine(m.nextLineI, 0);
        fillLine(m.nextLineII, 0);
        m.reverseMode = below(5) == 0;
        m.stepTime = below(6) - 2;
        m.lineIDone = below(6) == 0;
        m.lineIIDone = below(6) == 0 ? 2 : 0;
        m.endLineITaken = below(4) == 0;
        for (int i = 0; i < maxLineCells; ++i) {
            m.cellClockI[i] = below(50);
            m.cellDriftII[i] = below(50) - 25;
        }
        return m;
    }
};

TEST(FastStep, AgreesWithThePerCellRuleStepByStep) {
    RandomTrial r(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        EngineState fast = r.make();
        EngineState slow = fast;
        const int steps = 1 + r.below(40);
        for (int k = 0; k < steps; ++k) {
            stepBothLines(fast);
            stepBothLinesPerCell(slow);
            expectSameState(fast, slow,
                            "trial " + std::to_string(trial) + " step " + std::to_string(k) +
                                " L=" + std::to_string(fast.lineLength) +
                                " border=" + std::to_string(fast.borderMode));
            if (testing::Test::HasFailure()) return;
        }
    }
}

TEST(FastStep, EveryMaskOfTheFirstFiveDistancesAgrees) {
    // All 1024 visible masks on one line per border, both paths.
    RandomTrial r(7);
    for (int bits = 0; bits < 1024; ++bits) {
        for (int border : {0, 1}) {
            EngineState fast;
            fast.lineLength = 13 + bits % 88;
            fast.borderMode = border;
            for (int d = 1; d <= 5; ++d) {
                fast.neighbourMask.left[d] = (bits >> (d - 1)) & 1;
                fast.neighbourMask.right[d] = (bits >> (d + 4)) & 1;
            }
            r.fillLine(fast.lineI, fast.lineLength);
            for (int i = 0; i < maxLineCells; ++i)
                fast.lineII[i] = fast.lineI[i] == A ? B : fast.lineI[i] == B ? A : fast.lineI[i];
            EngineState slow = fast;
            for (int k = 0; k < 12; ++k) {
                stepBothLines(fast);
                stepBothLinesPerCell(slow);
            }
            expectSameState(fast, slow, "mask " + std::to_string(bits));
            if (testing::Test::HasFailure()) return;
        }
    }
}

TEST(FastStep, RunsOfStepsEndWhereSingleStepsWouldAndStopAtADoneMarker) {
    RandomTrial r(99);
    int stoppedEarly = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        EngineState fast = r.make();
        EngineState slow = fast;
        const int asked = 1 + r.below(300);
        const int taken = runFastSteps(fast, asked);
        // The single steps, until the first that sets a done marker; a
        // foreign value anywhere in the lines makes it one ordinary step.
        bool foreign = false;
        for (int i = 0; i < boundedLength(slow.lineLength); ++i)
            foreign = foreign || slow.lineI[i] > A || slow.lineII[i] > A;
        int expected = 0;
        while (expected < (foreign ? 1 : asked)) {
            const int before = slow.lineIDone + 2 * slow.lineIIDone;
            stepBothLinesPerCell(slow);
            ++expected;
            if (slow.lineIDone + 2 * slow.lineIIDone != before) break;
        }
        stoppedEarly += taken < asked;
        EXPECT_EQ(taken, expected) << "trial " << trial;
        expectSameState(fast, slow, "trial " + std::to_string(trial));
        if (testing::Test::HasFailure()) return;
    }
    EXPECT_GT(stoppedEarly, 100); // the done markers were exercised
}

TEST(FastStep, RunsAgreeAtEveryLengthAndBorder) {
    // Both word sizes of a run (up to 42 cells, and above) and their edges.
    RandomTrial r(4242);
    for (int length = 0; length <= maxLineCells; ++length)
        for (int border : {0, 1}) {
            EngineState fast = r.make();
            fast.lineLength = length;
            fast.borderMode = border;
            r.fillLine(fast.lineI, length);
            r.fillLine(fast.lineII, length);
            for (int i = 0; i < length; ++i) // no foreign values: the run must not fall back
                fast.lineI[i] %= 3, fast.lineII[i] %= 3;
            EngineState slow = fast;
            const int taken = runFastSteps(fast, 25);
            for (int k = 0; k < taken; ++k)
                stepBothLines(slow);
            expectSameState(fast, slow, "L=" + std::to_string(length));
            if (testing::Test::HasFailure()) return;
        }
}

TEST(FastStep, ARunIsCappedAtThePlaneCounterRange) {
    // No mask: C and B swap for ever and never become A.
    EngineState m;
    m.lineLength = 2;
    m.borderMode = 1;
    m.neighbourMask = {};
    m.lineI = letters("CB");
    m.lineII = letters("BC");
    EXPECT_EQ(runFastSteps(m, 100000), maxPlaneCount);
    EXPECT_EQ(m.stepTime, 65535);
    EXPECT_EQ(show(m.lineI, 2), "BC"); // an odd number of swaps
    EXPECT_EQ(m.cellClockI[0], 65535);
    EXPECT_EQ(m.cellDriftII[1], -65535);
    EXPECT_EQ(m.lineIDone, 0);
    EXPECT_EQ(runFastSteps(m, 0), 0);
}

TEST(FastStep, ForeignCellFallsBackAndKeepsItsBufferEntry) {
    EngineState m;
    m.lineLength = 6;
    m.borderMode = 1;
    m.lineI = letters("AACAAA");
    m.lineI[4] = 7;
    m.nextLineI.fill(A);
    m.nextLineI[4] = 1; // the per-cell rule leaves cell 4 out, so it takes this value
    m.lineII = letters("BBCBBB");
    stepBothLines(m);
    // The C at 2 activates 3 (left 1) and 1, 0 (right 1, 2); cell 4 is left out.
    EXPECT_EQ(show(m.lineI, 6), "CCBCBA");
    EXPECT_EQ(show(m.lineII, 6), "AABACC");
}

} // namespace
} // namespace rca
