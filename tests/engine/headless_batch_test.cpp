#include "engine/headless_batch.h"

#include "app/workbench.h"
#include "engine/batch_numbers.h"
#include "forms/virtual_clock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace rca {
namespace {

struct WorkbenchRun {
    std::vector<int64_t> counters;
    HeadlessBatchConfig config; // the same batch, for the headless path
};

// Mask boxes to check instead of the start-up mask: negative = left.
using Boxes = std::vector<int>;

// The workbench's own batch mode, right after start-up: the settings typed
// into their fields, 'Timer10' clicked, timers driven until both stop.
WorkbenchRun workbenchBatch(int trials, int stepLimit, const Boxes& boxes, bool frozen) {
    Workbench wb;
    wb.startUp();
    TForm1& f = wb.form1();
    f.Edit29.setText(std::to_string(trials));
    f.Edit28.setText(std::to_string(stepLimit));
    if (!boxes.empty()) {
        for (int d = 1; d <= maxDistance; ++d) {
            f.maskLeft[d]->setChecked(false);
            f.maskRight[d]->setChecked(false);
        }
        for (int b : boxes)
            (b < 0 ? f.maskLeft[-b] : f.maskRight[b])->setChecked(true);
    }
    if (frozen) f.RadioGroup2.setItemIndex(0);

    WorkbenchRun run;
    const Model& m = wb.model();
    run.config.mask = m.neighbourMask;
    run.config.borderMode = m.borderMode;
    run.config.trials = trials;
    run.config.stepLimit = stepLimit;
    run.config.randomState = m.randomState;

    VirtualClock clock(wb.timers());
    f.Timer101.userClick();
    for (int k = 0; k < 1000000 && (f.Timer1.isEnabled() || f.Timer10.isEnabled()); ++k)
        clock.advance(1000);
    EXPECT_FALSE(f.Timer1.isEnabled() || f.Timer10.isEnabled()) << "batch did not end";
    EXPECT_EQ(f.label("Label10").caption(), std::to_string(trials + 1));
    run.counters = numbers(m, m.failCount1, m.failCount2, m.failCount3);
    return run;
}

TEST(HeadlessBatch, EqualsTheWorkbenchBatchModeAfterStartUp) {
    const WorkbenchRun wb = workbenchBatch(40, 1000000, {}, false);
    ASSERT_EQ(wb.counters[0], 41);
    // The start-up mask and border, as the workbench has them.
    const NeighbourMask& mask = wb.config.mask;
    EXPECT_TRUE(mask.left[1] && mask.right[1] && mask.right[2] && !mask.left[2]);
    EXPECT_NE(wb.config.borderMode, 0);
    const HeadlessBatchResult r = runHeadlessBatch(wb.config);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(numbers(r), wb.counters);
}

TEST(HeadlessBatch, EqualsTheWorkbenchWithAnotherMaskFrozenAndTimeouts) {
    // Left 2, right 1, right 3 and Frozen A; the low step limit cuts trials off.
    const WorkbenchRun wb = workbenchBatch(40, 60, {-2, 1, 3}, true);
    ASSERT_EQ(wb.config.borderMode, 0);
    const HeadlessBatchResult r = runHeadlessBatch(wb.config);
    EXPECT_EQ(numbers(r), wb.counters);
    EXPECT_GT(r.stats.timeoutCount, 0);
}

HeadlessBatchConfig seeded(int trials, uint32_t seed) {
    HeadlessBatchConfig c;
    c.trials = trials;
    c.seed = seed;
    c.randomState = 12345;
    return c;
}

TEST(HeadlessBatch, AccountsExactlyTheTrialsAndEndsOnTheNext) {
    const HeadlessBatchResult r = runHeadlessBatch(seeded(300, 5));
    const WideBatchStats& s = r.stats;
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(s.trialCount, 301);
    EXPECT_EQ(s.timeoutCount + s.zeroDriftCount + s.nonZeroDriftCount, 300);
    EXPECT_EQ(s.keptCount + s.bothThreeCount + s.changedEvenCount + s.changedOddCount,
              s.zeroDriftCount);
    EXPECT_EQ(s.keptEvenCount + s.keptOddCount, s.keptCount);
    EXPECT_EQ(s.keptEvenTimeSum + s.keptOddTimeSum, s.keptTimeSum);
    EXPECT_EQ(s.drift1Count + s.drift2to4Count + s.drift5PlusCount, s.nonZeroDriftCount);
}

TEST(HeadlessBatch, ASeedMakesTheReseedsReproducible) {
    // 300 trials reseed at 128 and 256.
    const auto a = numbers(runHeadlessBatch(seeded(300, 7)));
    EXPECT_EQ(numbers(runHeadlessBatch(seeded(300, 7))), a);
    EXPECT_NE(numbers(runHeadlessBatch(seeded(300, 8))), a);
    // Before the first reseed only the starting state matters.
    EXPECT_EQ(numbers(runHeadlessBatch(seeded(100, 7))), numbers(runHeadlessBatch(seeded(100, 8))));
}

TEST(HeadlessBatch, AStepLimitOfZeroTimesEveryTrialOutAtItsFirstStep) {
    HeadlessBatchConfig c = seeded(50, 1);
    c.stepLimit = 0;
    const HeadlessBatchResult r = runHeadlessBatch(c);
    EXPECT_EQ(r.stats.timeoutCount, 50);
    EXPECT_EQ(r.stats.zeroDriftCount + r.stats.nonZeroDriftCount, 0);
    EXPECT_EQ(r.steps, 51);
}

TEST(HeadlessBatch, StopsBetweenTrialsWithPartialCounts) {
    std::atomic<bool> stop{false};
    HeadlessBatchControl control;
    control.stop = &stop;
    std::vector<int32_t> seen;
    control.progress = [&](int32_t count) {
        seen.push_back(count);
        if (count == 7) stop = true;
    };
    const HeadlessBatchResult r = runHeadlessBatch(seeded(1000, 3), control);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.stats.trialCount, 7);
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
}

// A clock that reads the same second at every reseed, as when a whole batch
// runs inside one second.
TEST(HeadlessBatch, UnseededReseedsDifferWithinOneClockReading) {
    const int64_t second = 1700000000LL * 1000000000LL;
    EXPECT_NE(clockSeed(second, 128), clockSeed(second, 256));
    EXPECT_NE(clockSeed(second, 128), clockSeed(second + 1, 128));
    const auto run = [second](int trials) {
        HeadlessBatchConfig c;
        c.trials = trials;
        c.stepLimit = 2000;
        c.clock = [second] { return second; };
        return numbers(runHeadlessBatch(c));
    };
    // Trials 129..256 start from the reseed at 128, trials 257..384 from the
    // one at 256: equal reseeds would classify both blocks alike.
    const auto to128 = run(128), to256 = run(256), to384 = run(384);
    std::vector<int64_t> second128(to128.size()), third128(to128.size());
    for (size_t i = 0; i < to128.size(); ++i) {
        second128[i] = to256[i] - to128[i];
        third128[i] = to384[i] - to256[i];
    }
    EXPECT_NE(second128, third128);
}

// The workbench's 32-bit sums wrap past 2^31; the headless ones carry on.
TEST(HeadlessBatch, WideCountersGainWhatACheckAddedAcrossTheWrap) {
    WideBatchStats wide;
    wide.trialCount = 5;
    wide.keptTimeSum = 2147483640;
    BatchStats before;
    before.trialCount = 5;
    before.keptTimeSum = 2147483640;
    BatchStats after = before;
    after.trialCount = 6;
    after.keptTimeSum = -2147483646; // 2147483640 + 10, wrapped
    addCheckTo(wide, before, after);
    EXPECT_EQ(wide.trialCount, 6);
    EXPECT_EQ(wide.keptTimeSum, 2147483650);
    EXPECT_EQ(wide.keptCount, 0);
}

TEST(HeadlessBatch, DerivedSeedsDifferByIndexAndBase) {
    EXPECT_NE(derivedSeed(1, 0), derivedSeed(1, 1));
    EXPECT_NE(derivedSeed(1, 0), derivedSeed(2, 0));
    EXPECT_EQ(derivedSeed(9, 128), derivedSeed(9, 128));
}

} // namespace
} // namespace rca
