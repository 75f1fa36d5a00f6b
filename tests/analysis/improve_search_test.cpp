// The pure steps of the IMPROVE search.
#include "analysis/improve_search.h"

#include <gtest/gtest.h>

using namespace rca;

TEST(ImproveSearch, NextFreeEntrySkipsMaskedEntriesAndNeverWraps) {
    struct Case {
        std::vector<int> masked;
        int after;
        std::optional<int> want;
    };
    const Case cases[] = {
        {{}, 0, 1},
        {{1, 2}, 0, 3},
        {{}, -7, 0},
        {{}, 1123, 1124},
        {{}, 1124, std::nullopt},
        {{1124}, 1123, std::nullopt}, // entry 0 is never reached again
        {{}, 5000, std::nullopt},
    };
    for (const Case& c : cases) {
        RcaBytes t{};
        for (int e : c.masked)
            t[rcaPlane + e] = 1;
        EXPECT_EQ(nextFreeEntry(t, c.after), c.want) << c.after;
    }
}

// One reading in every window: any non-zero mask byte fixes an entry (the
// rule view's cyan, its bulk edits and IMPROVE agree), and a rule bit is the
// low bit of its byte, toggled alike by the view's click and IMPROVE's flip.
TEST(ImproveSearch, FixedEntriesAndRuleBitsReadAsInTheRuleView) {
    for (uint8_t byte : {0, 1, 2, 3, 255}) {
        RcaBytes t{};
        t[rcaPlane + 1] = byte;
        t[1] = byte;
        EXPECT_EQ(nextFreeEntry(t, 0), byte ? 2 : 1) << int(byte);
        fillFree(t, 0);
        EXPECT_EQ(t[1], byte ? byte : 0) << "bulk edits spare what IMPROVE skips";
        RcaBytes viewed = t, flipped = t;
        toggleRule(viewed, 1);
        flipRule(flipped, 1);
        EXPECT_EQ(viewed, flipped) << int(byte);
        EXPECT_NE(ruleBit(viewed, 1), ruleBit(t, 1)) << int(byte);
    }
}

TEST(ImproveSearch, FlipTwiceRestoresAndTouchesOnlyPlaneZero) {
    RcaBytes t{};
    t[7] = 2;
    flipRule(t, 5);
    flipRule(t, 7);
    flipRule(t, rcaPlane + 3); // taken modulo the plane
    EXPECT_EQ(t[5], 1);
    EXPECT_EQ(t[7], 3);
    EXPECT_EQ(t[3], 1);
    EXPECT_EQ(t[rcaPlane + 3], 0);
    flipRule(t, 5);
    flipRule(t, 7);
    EXPECT_EQ(t[5], 0);
    EXPECT_EQ(t[7], 2);
}
