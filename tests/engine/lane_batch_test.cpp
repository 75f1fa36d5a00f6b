#include "engine/batch_numbers.h"
#include "engine/headless_batch.h"
#include "engine/lane_formats.h"
#include "engine/random.h"

#include <algorithm>
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

// Lengths short (margins of several turns), near the 42 cells a 64-bit lane
// holds, and across each place where a 128-bit lane's two words meet: the
// right margin (L = 53), the cells (64), the left margin (65..75) and the
// longest line; limits that every trial hits, and trial counts that cross
// the reseeds at 128 and 256.
const LaneCase laneCases[] = {
    {"circle 20..39", 1, 20, 40, 3000, 260},
    {"frozen 20..39", 0, 20, 40, 2000, 140},
    {"circle 6..13", 1, 6, 14, 800, 140},
    {"frozen 6..9", 0, 6, 10, 500, 60},
    {"circle 38..47, some past a lane", 1, 38, 48, 1500, 60},
    {"frozen 40..45", 0, 40, 46, 1500, 60},
    {"circle 60..70", 1, 60, 71, 400, 20},
    {"circle 50..57", 1, 50, 58, 1500, 40},
    {"circle 62..77", 1, 62, 78, 1000, 40},
    {"frozen 62..67", 0, 62, 68, 1000, 40},
    {"circle 95..99", 1, 95, 100, 600, 20},
    {"frozen 90..99", 0, 90, 100, 600, 20},
    {"circle 6..99, short circles beside long lines", 1, 6, 100, 800, 60},
    {"frozen 43..99, limit 0", 0, 43, 100, 0, 30},
    {"circle 40..99, limit 1", 1, 40, 100, 1, 30},
    {"circle 43..99 unseeded", 1, 43, 100, 500, 140, false},
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

// Every length a batch draws (6 to 100) in 128-bit lanes, beside lanes of
// other lengths, stepped by the kernel and by the scalar rule: every bit of every
// plane and cell 0's A count must agree.
TEST_P(LaneBatch, LongLanesStepEveryLengthAsTheScalarRule) {
    if (!lanePathSupported(GetParam())) GTEST_SKIP() << "the processor lacks this path";
    const LongLaneFormat format(GetParam());
    const int lanes =
        laneBlockVectors * (GetParam() == LanePath::Avx512 ? laneCountAvx512() : laneCountAvx2());
    // Single boxes too: the outermost ones read the last bits of the margins.
    std::vector<NeighbourMask> masks = masksFor(9);
    for (int box : {1, 6, 11}) {
        masks.emplace_back().left[box] = true;
        masks.emplace_back().right[box] = true;
    }
    constexpr int steps = 40;
    uint32_t draws = 5;
    for (int border = 0; border < 2; ++border)
        for (const NeighbourMask& mask : masks)
            for (int first = 6; first <= maxLineCells; ++first) {
                std::vector<int> lengths;
                for (int k = 0; k < lanes; ++k) // 6..100, 43..100 or 65..100 beside `first`
                    lengths.push_back(k == 0       ? first
                                      : k % 3 == 0 ? 6 + (first + 37 * k) % 95
                                      : k % 3 == 1 ? 43 + (first + 11 * k) % 58
                                                   : 65 + (first + 5 * k) % 36);
                if (first <= 64) // the kernel for lines of at most 64 cells, too
                    for (int& L : lengths)
                        L = std::min(L, 64);
                LongLaneBlock block{};
                std::vector<LinePlanes> expected(lanes);
                std::vector<uint64_t> aAtZero(lanes, 0);
                for (int k = 0; k < lanes; ++k) {
                    Line line{};
                    for (int i = 0; i < lengths[k]; ++i)
                        line[i] = static_cast<CellState>(drawRandom(draws) % 3);
                    ASSERT_TRUE(packLine(line, lengths[k], expected[k]));
                    format.load(block, k, expected[k], lengths[k]);
                    block.watch[k] = 0; // run every step
                    const FastRule rule(lengths[k], border != 0, mask);
                    for (int t = 0; t < steps; ++t) {
                        expected[k] = rule.next(expected[k]);
                        aAtZero[k] += static_cast<uint64_t>(expected[k].a & 1);
                    }
                }
                LaneRule rule;
                std::array<int, 2 * maxDistance> shifts{};
                rule.shiftCount = FastRule(1, border != 0, mask).wideShifts(shifts);
                std::copy_n(shifts.begin(), rule.shiftCount, rule.shifts);
                const int shortest = *std::min_element(lengths.begin(), lengths.end());
                rule.wrap = border == 0              ? LaneWrap::Frozen
                            : shortest > maxDistance ? LaneWrap::Circle
                                                     : LaneWrap::ShortCircle;
                const int longest = *std::max_element(lengths.begin(), lengths.end());
                ASSERT_EQ(format.run(block, rule, longest, laneBlockVectors, steps), steps);
                for (int k = 0; k < lanes; ++k) {
                    const LinePlanes got = LongLaneFormat::ends(block, k);
                    const CellBits c = CellBits{block.c[1][k]} << 64 | block.c[0][k];
                    const bool same =
                        c == expected[k].c && got.b == expected[k].b && got.a == expected[k].a;
                    ASSERT_TRUE(same)
                        << "length " << lengths[k] << " beside " << first << ", border " << border;
                    ASSERT_EQ(block.aAtZero[k], aAtZero[k]) << "length " << lengths[k];
                }
            }
}

INSTANTIATE_TEST_SUITE_P(Paths, LaneBatch, testing::Values(LanePath::Avx2, LanePath::Avx512),
                         [](const auto& info) { return std::string(lanePathName(info.param)); });

} // namespace
} // namespace rca
