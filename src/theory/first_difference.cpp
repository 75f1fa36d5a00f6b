#include "theory/first_difference.h"

#include <algorithm>
#include <array>

namespace rca {

namespace {

// A short trace first: a clock grows by at least 1 a step, so the marks of
// later steps lie at row (steps + 1) / 2 or below and every row above it is
// whole; while line I still has C cells, K covers those rows too.
constexpr int32_t shortTraces[] = {4, 16};

int lowestCell(CellBits x) {
    const auto low = static_cast<uint64_t>(x);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<uint64_t>(x >> 64));
}

// Rows 0 and 1 of particleRowsOf on a ring of 3 to 64 cells: its first two
// turns, for the lines that part there. The whole model costs more than the
// rest of a verdict; the test against the single-line verdict holds the two.
std::array<CellBits, 2> firstModelRows(uint64_t emitters, int length) {
    const uint64_t cells = length == 64 ? ~uint64_t{0} : (uint64_t{1} << length) - 1;
    auto fromLeft = [&](uint64_t x) { return ((x << 1) | (x >> (length - 1))) & cells; };
    auto fromRight = [&](uint64_t x) { return (x >> 1) | ((x & 1) << (length - 1)); };
    uint64_t left = emitters & cells, right = left, ring = 0;
    std::array<CellBits, 2> rows{};
    for (int r = 0; r < 2; ++r) {
        const uint64_t marks = fromLeft(right) & left;
        right &= ~fromRight(marks);
        left &= ~marks;
        ring |= (marks | fromRight(marks)) & cells & ~(left | right | ring);
        rows[r] = left | right | ring;
        const uint64_t rightIn = fromLeft(right), leftIn = fromRight(left);
        const uint64_t collide = rightIn & leftIn;
        left = (leftIn & ~collide) | ring;
        right = (rightIn & ~collide) | ring;
        ring = collide & ~ring;
    }
    return rows;
}

// Most lines part from the model in row 0 or 1, whose marks come from steps
// 1 to 3 alone: a C cell's clock is its step plus the steps it spent in A,
// so row 0 holds the C cells of step 1, row 1 those of step 2 and those of
// step 3 that were not A before. While line I has C at steps 2 and 3, K
// covers both rows; a line I done at step 2 or 3 draws no later marks and
// has K at 0 or 1, so these rows decide it.
template <class W>
bool partsInRowZeroOrOne(const Planes<W>& one, const std::array<CellBits, 2>& model,
                         const FastRule& rule, bool column, MarkDifference& at) {
    const Planes<W> p1 = rule.next(one), p2 = rule.next(p1);
    const CellBits c1 = lane(p1.c, 0), c2 = lane(p2.c, 0);
    at = {};
    if (const CellBits differ = c1 ^ model[0]) {
        at = {0, lowestCell(differ)};
        return true;
    }
    if (c2 == 0) return true;
    // Step 2's C cells all lie in row 1; only a column needs step 3 as well.
    if (!column && (c2 & ~model[1]) != 0) {
        at.row = 1;
        return true;
    }
    const CellBits c3 = lane(rule.next(p2).c, 0);
    if (const CellBits differ = (c2 | (c3 & ~lane(p1.a, 0) & ~lane(p2.a, 0))) ^ model[1]) {
        at = {1, lowestCell(differ)};
        return true;
    }
    return c3 == 0;
}

// On a 64-bit lane when the line fits one: cheaper than 128-bit words.
bool partsEarly(const LinePlanes& one, int length, const FastRule& rule, bool column,
                MarkDifference& at) {
    if (length < 3 || length > 64) return false;
    const std::array<CellBits, 2> model = firstModelRows(static_cast<uint64_t>(one.b), length);
    if (!rule.fitsLanePair64()) return partsInRowZeroOrOne(one, model, rule, column, at);
    const Planes<LanePair64> narrow{pairOf<LanePair64>(one.c, 0), pairOf<LanePair64>(one.b, 0),
                                    pairOf<LanePair64>(one.a, 0)};
    return partsInRowZeroOrOne(narrow, model, rule, column, at);
}

} // namespace

MarkDifference firstDifference(CellBits bCells, int32_t length, const FastRule& rule,
                               int32_t stepLimit, bool column) {
    const LinePlanes one = startPlanesI(bCells, length);
    MarkDifference at;
    if (stepLimit > 3 && partsEarly(one, length, rule, column, at)) return at;
    const ParticleRows model = particleRowsOf(one.b, length);
    for (const int32_t steps : shortTraces) {
        if (steps >= stepLimit || lineDoneTime(one, rule, steps) >= 0) break;
        const LineVerdict v = judgeTrace(traceLineI(one, rule, steps + 1), model, steps);
        if (v.verdict == Verdict::Not && v.row < (steps + 1) / 2) return {v.row, v.column};
    }
    const int32_t done = lineDoneTime(one, rule, stepLimit);
    if (done < 0) return {};
    const LineVerdict v = judgeTrace(traceLineI(one, rule, done), model, done);
    return {v.row, v.column};
}

} // namespace rca
