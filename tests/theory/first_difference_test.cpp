// The short-trace shortcut to a NOT line's first differing row against the
// single-line verdict, which traces every trial to its end.
#include "engine/random.h"
#include "headless/batch_options.h"
#include "theory/first_difference.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

TEST(FirstDifference, GivesTheRowAndColumnOfTheWholeTraceOnEveryNotLine) {
    struct Case {
        const char* mask;
        int border, lengthMin, lengthMax;
        uint64_t drawn; // lines drawn at random per length; 0: every line
    };
    // Short and long lines, both borders, masks reaching up to five cells;
    // the long lines pass the 43-step bound past which rows beyond 20 count,
    // and 43 cells take 128-bit words instead of a 64-bit lane.
    const Case cases[] = {{"L1,R1,R2", 1, 2, 13, 0},  {"L1,R1,R2", 0, 6, 12, 0},
                          {"L1,R2", 1, 6, 12, 0},     {"L2,R1,R3", 0, 6, 11, 0},
                          {"L1,R1,R5", 1, 9, 12, 0},  {"L1,R1", 1, 28, 33, 3000},
                          {"L1,R1,R2", 1, 43, 44, 60}};
    int notLines = 0, lateRows = 0;
    for (const Case& c : cases) {
        VerdictRule rule;
        rule.mask = parseMask(c.mask);
        rule.borderMode = c.border;
        for (int n = c.lengthMin; n < c.lengthMax; ++n) {
            const FastRule fast(n, c.border != 0, rule.mask);
            const bool every = c.drawn == 0;
            uint32_t state = 99;
            for (uint64_t k = 0; k < (every ? uint64_t{1} << n : c.drawn); ++k) {
                CellBits line = every ? CellBits{k} : 0;
                for (int i = 0; !every && i < n; ++i)
                    if (drawRandom(state) & 1) line |= CellBits{1} << i;
                const LineVerdict v = lineVerdict(line, n, rule);
                if (v.verdict != Verdict::Not) continue;
                ++notLines;
                lateRows += v.row >= particleRows;
                const MarkDifference d = firstDifference(line, n, fast, rule.stepLimit);
                ASSERT_EQ(d.row, v.row) << c.mask << " L=" << n << " line " << k;
                ASSERT_EQ(d.column, v.column) << c.mask << " L=" << n << " line " << k;
                ASSERT_EQ(firstDifference(line, n, fast, rule.stepLimit, false).row, v.row)
                    << c.mask << " L=" << n << " line " << k << ", row alone";
            }
        }
    }
    EXPECT_GT(notLines, 5000);
    EXPECT_GT(lateRows, 0);
}

} // namespace
} // namespace rca
