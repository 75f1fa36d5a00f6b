#include "forms/virtual_clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <limits>

namespace rca {
namespace {

TEST(VirtualClock, DeliversDueTicksInTimeOrder) {
    Timer fast("Timer1", 3), slow("Timer10", 10);
    std::vector<std::string> log;
    fast.onTimer = [&] { log.push_back("f"); };
    slow.onTimer = [&] { log.push_back("s"); };
    VirtualClock clock({&fast, &slow});
    fast.setEnabled(true);
    slow.setEnabled(true);
    clock.advance(10);
    // fast at 3, 6, 9; slow at 10.
    EXPECT_EQ(log, (std::vector<std::string>{"f", "f", "f", "s"}));
    EXPECT_EQ(clock.now(), 10);
}

// The far end of time saturates instead of overflowing, and a stop request
// ends a long advance at the tick it reached.
TEST(VirtualClock, HugeAdvancesSaturateAndAStopEndsThem) {
    Timer t("Timer1", 1000);
    std::atomic<bool> stop{false};
    int ticks = 0;
    t.onTimer = [&] { stop = ++ticks == 3; };
    VirtualClock clock({&t});
    clock.setStop(&stop);
    t.setEnabled(true);
    clock.advance(std::numeric_limits<int64_t>::max());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock.now(), 3000);
    EXPECT_EQ(clock.tick(t, 5), 0);
    t.setEnabled(false);
    stop = false;
    clock.advance(std::numeric_limits<int64_t>::max());
    clock.advance(std::numeric_limits<int64_t>::max());
    EXPECT_EQ(clock.now(), std::numeric_limits<int64_t>::max() - 1);
    t.setEnabled(true);
    clock.advance(1);
    EXPECT_EQ(ticks, 3); // its next tick cannot fall due any more
}

TEST(VirtualClock, ATickThatDisablesItsTimerStopsIt) {
    Timer t("Timer1", 1);
    int ticks = 0;
    t.onTimer = [&] {
        if (++ticks == 4) t.setEnabled(false);
    };
    VirtualClock clock({&t});
    t.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(ticks, 4);
}

TEST(VirtualClock, ATickCanStartAnotherTimer) {
    Timer one("Timer1", 1), ten("Timer10", 10);
    int oneTicks = 0, tenTicks = 0;
    ten.onTimer = [&] {
        ++tenTicks;
        ten.setEnabled(false);
        one.setEnabled(true);
    };
    one.onTimer = [&] { ++oneTicks; };
    VirtualClock clock({&one, &ten});
    ten.setEnabled(true);
    clock.advance(15); // ten at 10, then one at 11..15
    EXPECT_EQ(tenTicks, 1);
    EXPECT_EQ(oneTicks, 5);
}

TEST(VirtualClock, IntervalZeroNeverTicks) {
    Timer t("Timer1", 0);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    VirtualClock clock({&t});
    t.setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(clock.tick(t, 5), 0);
    EXPECT_EQ(ticks, 0);
}

TEST(VirtualClock, TickCountStopsWhenTimerIsDisabled) {
    Timer t("Timer1", 1);
    int ticks = 0;
    t.onTimer = [&] {
        if (++ticks == 2) t.setEnabled(false);
    };
    VirtualClock clock({&t});
    t.setEnabled(true);
    EXPECT_EQ(clock.tick(t, 10), 2);
}

} // namespace
} // namespace rca
