#include "engine/line_text.h"
#include "engine/step.h"

#include <gtest/gtest.h>
#include <string>

namespace rca {
namespace {

Line parse(const std::string& text) {
    return test::letters(text);
}
NeighbourMask mask(std::initializer_list<int> left, std::initializer_list<int> right) {
    return test::maskOf(left, right);
}
using test::show;

std::vector<std::string> run(const std::string& start, const NeighbourMask& m, bool circle,
                             int steps) {
    Line cur = parse(start), next{};
    std::vector<std::string> out;
    int n = static_cast<int>(start.size());
    for (int k = 0; k < steps; ++k) {
        stepLineRule(cur, next, n, circle, m);
        std::copy_n(next.begin(), n, cur.begin());
        out.push_back(show(cur, n));
    }
    return out;
}

TEST(StepRule, RightOneOnACircleOfFive) {
    EXPECT_EQ(run("AAAAC", mask({}, {1}), true, 4),
              (std::vector<std::string>{"AAACB", "AACBC", "ACBAB", "CBCAC"}));
}

TEST(StepRule, StartUpMaskCircleAndFrozen) {
    auto m = mask({1}, {1, 2});
    EXPECT_EQ(run("AABAA", m, true, 4),
              (std::vector<std::string>{"AACAA", "CCBCA", "BBABC", "ACCAB"}));
    EXPECT_EQ(run("AABAA", m, false, 4)[3], "CCCAB");
}

TEST(StepRule, StartUpMaskCircleOfTen) {
    auto lines = run("BAAAAAAAAA", mask({1}, {1, 2}), true, 8);
    EXPECT_EQ(lines[0], "CAAAAAAAAA");
    EXPECT_EQ(lines[1], "BCAAAAAACC");
    EXPECT_EQ(lines[7], "BCCCCCCCCC");
}

TEST(StepRule, SingleCellCircleActivatesItself) {
    // A lone C sees itself at every distance but always becomes B.
    EXPECT_EQ(run("C", mask({1}, {1}), true, 2), (std::vector<std::string>{"B", "C"}));
}

TEST(StepRule, NoMaskSwapsBAndC) {
    EXPECT_EQ(run("CBA", NeighbourMask{}, true, 2), (std::vector<std::string>{"BCA", "CBA"}));
}

TEST(StepRule, FrozenIgnoresDistancesAboveSix) {
    // C at distance 7 only: in Frozen A nothing activates, in Circle it does.
    auto m = mask({}, {7});
    EXPECT_EQ(run("AAAAAAAC", m, false, 1)[0], "AAAAAAAB");
    EXPECT_EQ(run("AAAAAAAC", m, true, 1)[0], "CAAAAAAB");
}

TEST(StepRule, ForeignValuesKeepTheBufferEntry) {
    Line in = parse("AAAAA"), out{};
    in[2] = 7;
    out.fill(A);
    out[2] = 9;
    stepLineRule(in, out, 5, true, mask({1}, {1}));
    EXPECT_EQ(out[2], 9);
    EXPECT_EQ(out[1], A);
}

TEST(StepRule, LengthBeyondTheArrayIsBounded) {
    Line in{}, out{};
    in.fill(A);
    in[99] = C;
    stepLineRule(in, out, 1000, true, mask({1}, {1}));
    EXPECT_EQ(out[0], C); // wraps at 100 cells, not at 1000
    EXPECT_EQ(out[99], B);
}

} // namespace
} // namespace rca
