// The rule view's pure parts: drags in the weight bands, clamping, the grey
// shade, the count interval and the bulk edits of the table.
#include "analysis/rule_grid.h"
#include "analysis/rule_table_edits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace rca {
namespace {

struct DragCase {
    const char* name;
    int x0, y0, x1, y1;
    std::set<int> columns, rows; // the weights that move
    double to;                   // their value afterwards (all start at 0.5)
};

// Column 13 spans x 182..195, row 7 spans y 98..111.
const DragCase dragCases[] = {
    {"column zone 1", 185, 360, 185, 374, {13}, {}, 0.7},
    {"column zone 2", 185, 425, 185, 411, {4, 13, 22, 31, 40}, {}, 0.3},
    {"column zone 3", 185, 440, 185, 454, {9, 10, 11, 12, 13, 14, 15, 16, 17}, {}, 0.7},
    {"row zone 1", 640, 101, 654, 101, {}, {7}, 0.7},
    {"row zone 2", 705, 101, 691, 101, {}, {2, 7, 12, 17, 22}, 0.3},
    {"row zone 3", 720, 101, 734, 101, {}, {5, 6, 7, 8, 9}, 0.7},
    {"far below the column bands", 185, 460, 185, 500, {}, {}, 0},
    {"corner beyond both profiles", 705, 425, 760, 500, {}, {}, 0},
    {"corner of zone 1", 650, 360, 700, 420, {}, {}, 0},
    {"inside the grid", 185, 101, 300, 300, {}, {}, 0},
};

TEST(RuleGrid, DragMovesTheWeightsOfItsBandOnly) {
    for (const DragCase& c : dragCases) {
        SCOPED_TRACE(c.name);
        std::array<double, ruleColumns> columns;
        std::array<double, ruleRows> rows;
        columns.fill(0.5);
        rows.fill(0.5);
        applyDrag(pressAt(c.x0, c.y0), c.x1, c.y1, columns, rows);
        for (int k = 0; k < ruleColumns; ++k)
            EXPECT_NEAR(columns[k], c.columns.count(k) ? c.to : 0.5, 1e-12) << "column " << k;
        for (int r = 0; r < ruleRows; ++r)
            EXPECT_NEAR(rows[r], c.rows.count(r) ? c.to : 0.5, 1e-12) << "row " << r;
    }
}

TEST(RuleGrid, WeightsAreKeptInsideZeroToOne) {
    std::array<double, ruleColumns> columns;
    std::array<double, ruleRows> rows;
    columns.fill(0.5);
    rows.fill(0.5);
    applyDrag(pressAt(185, 360), 185, 360 + 140, columns, rows); // +2
    applyDrag(pressAt(640, 101), 640 - 140, 101, columns, rows); // -2
    EXPECT_EQ(columns[13], 1.0);
    EXPECT_EQ(rows[7], 0.0);

    columns[0] = std::numeric_limits<double>::quiet_NaN();
    columns[1] = -std::numeric_limits<double>::infinity();
    rows[0] = std::numeric_limits<double>::infinity();
    rows[1] = 0.25;
    EXPECT_EQ(clampWeights(columns, rows), 3);
    EXPECT_EQ(columns[0], 0.0);
    EXPECT_EQ(columns[1], 0.0);
    EXPECT_EQ(rows[0], 1.0);
    EXPECT_EQ(rows[1], 0.25);
    EXPECT_EQ(profileOffset(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(profileOffset(0.5), 35);
}

TEST(RuleGrid, GreyShadeStaysInsideBlackToWhite) {
    std::array<int32_t, rcaPlane> counts{};
    counts[0] = 500; // entry (0, 0, 0, 0) does not set the scale
    EXPECT_EQ(largestCount(counts), 0);
    EXPECT_EQ(countLightness(500, 0), 0.0);
    counts[7] = 200;
    EXPECT_EQ(largestCount(counts), 200);
    EXPECT_EQ(countLightness(50, 200), 0.75);
    EXPECT_EQ(countLightness(500, 200), 0.0);
    EXPECT_EQ(chartCount(counts, 0, 0), 0);
    EXPECT_EQ(chartCount(counts, 0, 7), 200);
    EXPECT_EQ(chartCount(counts, -3, 99), counts[rcaIndex(0, 0, 4, 8)]);
}

TEST(RuleGrid, CountIntervalAndThresholdSteps) {
    // T < n < T + T * P / 100.
    EXPECT_FALSE(inCountInterval(30000, 30000, 50));
    EXPECT_TRUE(inCountInterval(30001, 30000, 50));
    EXPECT_TRUE(inCountInterval(44999, 30000, 50));
    EXPECT_FALSE(inCountInterval(45000, 30000, 50));
    EXPECT_TRUE(inCountInterval(2147483647, 2000000000, 50)); // no 32-bit overflow

    EXPECT_EQ(shiftedThreshold(30000, 50, true), 45000);
    EXPECT_EQ(shiftedThreshold(30000, 50, false), 15000);
    EXPECT_EQ(shiftedThreshold(3, 50, false), 1); // trunc(1.5)
    EXPECT_EQ(shiftedThreshold(2000000000, 50, true), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(shiftedThreshold(-2000000000, 50, true), std::numeric_limits<int32_t>::min());
}

// Entries 5 and 7 fixed by mask 1, entry 9 by mask 2: any mask byte but 0 fixes.
RcaTable maskedTable(uint8_t rule) {
    RcaTable t{};
    std::fill(t.begin(), t.begin() + rcaPlane, rule);
    t[rcaPlane + 5] = t[rcaPlane + 7] = 1;
    t[rcaPlane + 9] = 2;
    return t;
}

TEST(RuleTableEdits, BulkEditorsSpareFixedEntries) {
    struct Case {
        const char* name;
        uint8_t before;
        void (*edit)(RcaTable&);
        uint8_t freeAfter, fixedAfter;
        bool maskKept;
    };
    const Case cases[] = {
        {"make clear", 1, [](RcaTable& t) { fillFree(t, 0); }, 0, 1, true},
        {"make invert", 0, [](RcaTable& t) { fillFree(t, 1); }, 1, 0, true},
        {"mask=0", 1, [](RcaTable& t) { clearMask(t); }, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RcaTable t = maskedTable(c.before);
        c.edit(t);
        EXPECT_EQ(t[0], 0);
        for (int i = 1; i < rcaPlane; ++i) {
            const bool fixed = i == 5 || i == 7 || i == 9;
            ASSERT_EQ(t[i], fixed ? c.fixedAfter : c.freeAfter) << "entry " << i;
            ASSERT_EQ(t[rcaPlane + i], c.maskKept ? maskedTable(0)[rcaPlane + i] : 0);
        }
    }
}

TEST(RuleTableEdits, MaskFromCountsTakesTheLowByte) {
    RcaTable t{};
    std::array<int32_t, rcaPlane> counts{};
    counts[3] = 0x1203;
    counts[4] = -1;
    maskFromCounts(t, counts);
    EXPECT_EQ(t[rcaPlane + 3], 3);
    EXPECT_EQ(t[rcaPlane + 4], 255);
    EXPECT_EQ(t[rcaPlane + 5], 0);
}

TEST(RuleTableEdits, RandomRuleFromAKnownGeneratorState) {
    RcaTable t = maskedTable(1);
    uint32_t state = 1;
    randomRule(t, state);
    const uint8_t first[12] = {0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(t[i], first[i]) << "entry " << i;
    EXPECT_EQ(std::count(t.begin(), t.begin() + rcaPlane, 1), 561);
    EXPECT_EQ(state, 2255034546u); // one draw per entry
    EXPECT_EQ(t[rcaPlane + 9], 2); // the mask is not touched
}

} // namespace
} // namespace rca
