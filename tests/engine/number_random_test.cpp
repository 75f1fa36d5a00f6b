#include "engine/number_parse.h"
#include "engine/random.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

TEST(NumberParse, BehavesLikeAtol) {
    EXPECT_EQ(parseNumber("25"), 25);
    EXPECT_EQ(parseNumber("abc"), 0);
    EXPECT_EQ(parseNumber("  -7x"), -7);
    EXPECT_EQ(parseNumber("\t+12abc"), 12);
    EXPECT_EQ(parseNumber(""), 0);
    EXPECT_EQ(parseNumber("- 5"), 0);
    EXPECT_EQ(parseNumber("+-5"), 0);
    EXPECT_EQ(parseNumber("007"), 7);
}

TEST(NumberParse, HugeNumbersSaturateAndOnly79CharactersCount) {
    EXPECT_EQ(parseNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(parseNumber("-99999999999999999999"), -2147483647 - 1);
    std::string longText(79, ' ');
    EXPECT_EQ(parseNumber(longText + "5"), 0);
    EXPECT_EQ(parseNumber(std::string(78, ' ') + "5"), 5);
}

TEST(Random, FirstDrawsFromStateOne) {
    uint32_t state = 1;
    // state = state * 22695477 + 1 mod 2^32, draw = (state >> 16) & 0x7FFF, worked by hand.
    EXPECT_EQ(drawRandom(state), 346);
    EXPECT_EQ(drawRandom(state), 130);
    EXPECT_EQ(drawRandom(state), 10982);
    EXPECT_EQ(drawRandom(state), 1090);
    EXPECT_EQ(drawRandom(state), 11656);
}

TEST(Random, PositionOnAnEmptyLineIsNone) {
    uint32_t state = 1;
    EXPECT_EQ(drawPosition(state, 11), 346 % 11);
    EXPECT_EQ(drawPosition(state, 0), -1);
}

} // namespace
} // namespace rca
