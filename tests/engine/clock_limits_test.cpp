// Per-cell clocks and drifts near the ends of int, on every stepping path:
// they stop there, and below the bound each path adds what it always did.
#include "engine/fast_step.h"
#include "engine/line_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace rca {
namespace {

constexpr int32_t top = std::numeric_limits<int32_t>::max();
constexpr int32_t bottom = std::numeric_limits<int32_t>::min();

EngineState lines(int length) {
    EngineState m;
    m.lineLength = length;
    m.borderMode = 1;
    m.neighbourMask = test::maskOf({1}, {1, 2});
    for (int i = 0; i < length; ++i) {
        m.lineI[i] = static_cast<CellState>((i * 7 + 1) % 3);
        m.lineII[i] = static_cast<CellState>((i * 5 + 2) % 3);
    }
    m.lineI[0] = m.lineII[1] = C; // a C keeps each line going
    return m;
}

// Cells start near the top and the bottom, a few apart.
void nearTheEnds(EngineState& m) {
    for (int i = 0; i < maxLineCells; ++i) {
        m.cellClockI[i] = top - i % 2;         // one step takes every one to the top
        m.cellClockII[i] = bottom + 1 + i % 3; // a clock set by hand below 0
        m.cellDriftI[i] = top - i % 4;
        m.cellDriftII[i] = bottom + i % 4;
    }
}

int32_t clamped(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, bottom, top));
}

struct Path {
    const char* name;
    int length;
    std::function<int(EngineState&)> steps; // returns the steps taken
};

TEST(ClockLimits, EveryPathStopsAtTheEndsOfInt) {
    const Path paths[] = {
        {"one step", 60, [](EngineState& m) { return stepBothLines(m), 1; }},
        {"one per-cell step", 60, [](EngineState& m) { return stepBothLinesPerCell(m), 1; }},
        {"runs in 64-bit lanes", 30, [](EngineState& m) { return runFastSteps(m, 40); }},
        {"runs in 128-bit pairs", 80, [](EngineState& m) { return runFastSteps(m, 40); }},
    };
    for (const Path& p : paths) {
        SCOPED_TRACE(p.name);
        EngineState m = lines(p.length);
        EngineState from0 = m; // the same steps from 0: what each path adds
        nearTheEnds(m);
        const EngineState before = m;
        const int taken = p.steps(m);
        ASSERT_GT(taken, 0);
        for (int k = 0; k < taken; ++k)
            stepBothLinesPerCell(from0);
        for (int i = 0; i < p.length; ++i) {
            EXPECT_EQ(m.cellClockI[i], top) << i;
            EXPECT_EQ(m.cellClockII[i],
                      clamped(int64_t{before.cellClockII[i]} + from0.cellClockII[i]));
            EXPECT_EQ(m.cellDriftI[i],
                      clamped(int64_t{before.cellDriftI[i]} + from0.cellDriftI[i]));
            EXPECT_EQ(m.cellDriftII[i],
                      clamped(int64_t{before.cellDriftII[i]} + from0.cellDriftII[i]));
        }
        EXPECT_EQ(m.lineI, from0.lineI);
    }
}

} // namespace
} // namespace rca
