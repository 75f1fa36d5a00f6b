#include "engine/batch_numbers.h"
#include "engine/headless_batch.h"
#include "engine/random.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace rca {

void PrintTo(LanePath p, std::ostream* os) {
    *os << lanePathName(p);
}

namespace {

struct LaneCase {
    const char* what;
    int32_t border, lengthMin, lengthMax, stepLimit, trials;
    bool seeded = true; // false: unseeded reseeds from a clock that counts its readings
};

// Lengths short (margins of several turns), near the 42 cells a lane holds,
// and past 64 (the scalar path for that trial); limits that every trial
// hits, and trial counts that cross the reseeds at 128 and 256.
const LaneCase laneCases[] = {
    {"circle 20..39", 1, 20, 40, 3000, 260},
    {"frozen 20..39", 0, 20, 40, 2000, 140},
    {"circle 6..13", 1, 6, 14, 800, 140},
    {"frozen 6..9", 0, 6, 10, 500, 60},
    {"circle 38..47, some past a lane", 1, 38, 48, 1500, 60},
    {"frozen 40..45", 0, 40, 46, 1500, 60},
    {"circle 60..70", 1, 60, 71, 400, 20},
    {"circle, limit 0", 1, 20, 40, 0, 30},
    {"circle, limit 1", 1, 6, 40, 1, 30},
    {"frozen, limit 2", 0, 6, 40, 2, 30},
    {"circle, one trial", 1, 20, 40, 100000, 0},
    {"circle unseeded", 1, 12, 30, 1000, 140, false},
};

// A few masks per case: none, every box, and some drawn from the seed.
std::vector<NeighbourMask> masksFor(uint32_t seed) {
    std::vector<NeighbourMask> masks(2);
    for (int d = 1; d <= maxDistance; ++d)
        masks[1].left[d] = masks[1].right[d] = true;
    for (int k = 0; k < 3; ++k) {
        NeighbourMask m;
        for (int d = 1; d <= maxDistance; ++d) {
            m.left[d] = drawRandom(seed) % 3 == 0;
            m.right[d] = drawRandom(seed) % 3 == 0;
        }
        masks.push_back(m);
    }
    return masks;
}

struct BatchRun {
    std::vector<int64_t> numbers; // the counters, then steps and complete
    std::vector<int32_t> progress;
};

BatchRun runOn(LanePath path, HeadlessBatchConfig c) {
    int64_t readings = 0;
    if (!c.seed) c.clock = [&readings] { return ++readings * 1000003; };
    BatchRun r;
    HeadlessBatchControl control;
    control.progress = [&r](int32_t count) { r.progress.push_back(count); };
    const HeadlessBatchResult out = runHeadlessBatchOn(path, c, control);
    r.numbers = numbers(out);
    r.numbers.push_back(out.steps);
    r.numbers.push_back(out.complete);
    return r;
}

class LaneBatch : public testing::TestWithParam<LanePath> {};

TEST_P(LaneBatch, GivesTheScalarPathsNumbersForEverySeedMaskBorderAndLength) {
    if (!lanePathSupported(GetParam())) GTEST_SKIP() << "the processor lacks this path";
    for (const LaneCase& k : laneCases)
        for (uint32_t seed : {1u, 77u})
            for (const NeighbourMask& mask : masksFor(seed)) {
                HeadlessBatchConfig c;
                c.mask = mask;
                c.borderMode = k.border;
                c.lengthMin = k.lengthMin;
                c.lengthMax = k.lengthMax;
                c.stepLimit = k.stepLimit;
                c.trials = k.trials;
                c.randomState = seed * 2654435761u;
                if (k.seeded) c.seed = seed;
                const BatchRun scalar = runOn(LanePath::Scalar, c), lanes = runOn(GetParam(), c);
                ASSERT_EQ(lanes.numbers, scalar.numbers) << k.what << ", seed " << seed;
                ASSERT_EQ(lanes.progress, scalar.progress) << k.what << ", seed " << seed;
                ASSERT_EQ(scalar.numbers[0], k.trials + 1) << k.what; // every trial checked
            }
}

INSTANTIATE_TEST_SUITE_P(Paths, LaneBatch, testing::Values(LanePath::Avx2, LanePath::Avx512),
                         [](const auto& info) { return std::string(lanePathName(info.param)); });

} // namespace
} // namespace rca
