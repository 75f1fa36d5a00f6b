// The verdict engine's parts against their references: the particle model
// on bit sets against the window's row operations, and the verdicts on
// vector lanes against the single-line verdict.
#include "engine/random.h"
#include "headless/batch_options.h"
#include "theory/ring_rotation.h"
#include "theory/theory_model.h"
#include "theory/verdict_lanes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace rca {
namespace {

ParticleRows windowRows(CellBits emitters, int length) {
    auto t = std::make_unique<TheoryState>();
    theoryReset(*t, lineOfBCells(emitters, length), length);
    theoryRunCheck(*t, length, length);
    ParticleRows rows{};
    for (int r = 0; r < markRows; ++r)
        for (int i = 0; i < length; ++i) {
            if (!t->theoryNonzero[r][i]) continue;
            EXPECT_LT(r, particleRows) << "a model row past 20";
            if (r < particleRows) rows[r] |= CellBits{1} << i;
        }
    return rows;
}

CellBits randomLine(uint32_t& state, int length) {
    CellBits line = 0;
    for (int i = 0; i < length; ++i)
        if (drawRandom(state) % 3 == 0) line |= CellBits{1} << i;
    return line;
}

TEST(ParticleRows, EqualTheWindowsModelOnEveryShortLineAndRandomLongOnes) {
    for (int length = 1; length <= 10; ++length)
        for (uint64_t n = 0; n < (uint64_t{1} << length); ++n)
            ASSERT_EQ(particleRowsOf(n, length), windowRows(n, length))
                << "L=" << length << " line " << n;
    uint32_t state = 7;
    for (int length : {11, 17, 31, 63, 64, 65, 99, 100})
        for (int k = 0; k < 20; ++k) {
            const CellBits line = randomLine(state, length);
            ASSERT_EQ(particleRowsOf(line, length), windowRows(line, length)) << "L=" << length;
        }
}

struct LanesCase {
    int32_t length;
    const char* mask;
    int32_t border, stepLimit;
};

// Short rings (margins of several turns), lines near and past what a lane
// holds (42 cells), limits that cut trials short or leave no step at all.
const LanesCase lanesCases[] = {
    {3, "L1,R1,R2", 1, 1000},  {6, "L1,R1,R2", 1, 1000},    {9, "L2,R5", 1, 1000},
    {11, "L1,R1", 0, 1000},    {12, "L1,R1,R2", 1, 1000},   {13, "L1,L4,R2", 0, 1000},
    {17, "L1,R1,R2", 1, 40},   {20, "L1,R1,R2", 1, 100000}, {24, "L3,R1,R11", 1, 5000},
    {42, "L1,R1,R2", 1, 3000}, {43, "L1,R1,R2", 0, 3000},   {70, "L1,R2", 1, 2000},
    {10, "none", 1, 50},       {8, "L1,R1,R2", 1, 2},       {8, "L1,R1,R2", 0, 0},
};

class VerdictLanes : public ::testing::TestWithParam<LanePath> {};

TEST_P(VerdictLanes, GiveTheSingleLineVerdictAndEndStep) {
    int64_t shown[3] = {};
    for (const LanesCase& c : lanesCases) {
        VerdictRule rule;
        rule.mask = parseMask(c.mask);
        rule.borderMode = c.border;
        rule.stepLimit = c.stepLimit;
        std::vector<CellBits> lines;
        if (c.length <= 12) {
            for (uint64_t n = 0; n < (uint64_t{1} << c.length); ++n)
                lines.push_back(n);
        } else {
            uint32_t state = static_cast<uint32_t>(c.length);
            for (int k = 0; k < 300; ++k)
                lines.push_back(randomLine(state, c.length));
        }
        std::vector<VerdictEnd> got(lines.size()), mirrors(lines.size());
        VerdictBatch(c.length, rule, GetParam())
            .run(lines.data(), lines.size(), got.data(), mirrors.data());
        const CellBits cells = (CellBits{1} << c.length) - 1;
        for (size_t k = 0; k < lines.size(); ++k) {
            // Each line, then its mirror (A and B swapped).
            for (const auto& [line, end] :
                 {std::pair{lines[k], got[k]}, {~lines[k] & cells, mirrors[k]}}) {
                const LineVerdict want = lineVerdict(line, c.length, rule);
                ASSERT_EQ(end.verdict, want.verdict) << "L=" << c.length << " mask " << c.mask
                                                     << " line " << static_cast<uint64_t>(line);
                ASSERT_EQ(end.endStep, want.endStep) << "L=" << c.length << " line " << k;
                ++shown[static_cast<int>(want.verdict)];
            }
        }
    }
    for (int64_t count : shown)
        EXPECT_GT(count, 0);
}

// On the Circle the done times of one line serve every turn of it: judged
// by classes or looked up in a table, each line still gets its own verdict.
TEST_P(VerdictLanes, TurnedLinesShareDoneTimesAndKeepTheirOwnVerdicts) {
    for (const LanesCase& c : lanesCases) {
        if (c.border == 0 || c.length > 12) continue;
        VerdictRule rule;
        rule.mask = parseMask(c.mask);
        rule.stepLimit = c.stepLimit;
        std::vector<CellBits> every, least, lines;
        for (uint64_t n = 0; n < (uint64_t{1} << c.length); ++n) {
            every.push_back(n);
            if (isLeastTurn(n, c.length)) least.push_back(n);
        }
        VerdictBatch batch(c.length, rule, GetParam());
        std::vector<VerdictEnd> byClass, looked(every.size());
        batch.runClasses(least.data(), least.size(), lines, byClass);
        batch.run(every.data(), every.size(), looked.data(),
                  DoneTimeTable(c.length, rule, GetParam(), 2));
        for (size_t k = 0; k < lines.size(); ++k) {
            const LineVerdict want = lineVerdict(lines[k], c.length, rule);
            ASSERT_EQ(byClass[k].verdict, want.verdict) << "L=" << c.length << " " << c.mask;
            ASSERT_EQ(byClass[k].endStep, want.endStep) << "L=" << c.length << " " << c.mask;
            const VerdictEnd& fromTable = looked[static_cast<size_t>(lines[k])];
            ASSERT_EQ(fromTable.verdict, want.verdict) << "L=" << c.length << " " << c.mask;
            ASSERT_EQ(fromTable.endStep, want.endStep) << "L=" << c.length << " " << c.mask;
        }
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(lines, every) << "L=" << c.length << ": each line once";
    }
}

// A path the processor lacks runs on the scalar one.
INSTANTIATE_TEST_SUITE_P(Paths, VerdictLanes,
                         ::testing::Values(LanePath::Scalar, LanePath::Avx2, LanePath::Avx512),
                         [](const auto& info) { return std::string(lanePathName(info.param)); });

} // namespace
} // namespace rca
