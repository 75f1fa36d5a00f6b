#pragma once
// The long-line lane kernel over an instruction set's operations `O`, next
// to the short one and under the same rules (see lane_kernel_body.h).
#include "engine/lane_kernel_body.h"
#include "engine/lane_kernel_long.h"

namespace rca {
namespace {

// The step rule of FastRule::next on 128-bit lines: word 0 of every value in
// x0, word 1 in x1. With Long false every line has at most 64 cells, so the
// cells' word 1 is never read or written (it stays 0).
template <class O, int G, LaneWrap Wrap, bool Long>
int64_t runLongBlock(LongLaneBlock& k, const LaneRule& rule, int64_t maxSteps) {
    using V = typename O::V;
    constexpr int W = O::lanes;
    constexpr int words = Long ? 2 : 1;
    V c[2][G], b[2][G], a[2][G], atZero[G], back[3][G], far[3][G], len1[G], len2[G], len4[G];
    typename O::Mask watch[G];
    for (int g = 0; g < G; ++g) {
        for (int w = 0; w < words; ++w) {
            c[w][g] = O::load(k.c[w] + g * W);
            b[w][g] = O::load(k.b[w] + g * W);
            a[w][g] = O::load(k.a[w] + g * W);
        }
        for (int j = 0; j < 3; ++j) {
            back[j][g] = O::load(k.back[j] + g * W);
            far[j][g] = O::load(k.far[j] + g * W);
        }
        atZero[g] = O::load(k.aAtZero + g * W);
        watch[g] = O::loadMask(k.watch + g * W);
        len1[g] = O::load(k.len1 + g * W);
        len2[g] = O::load(k.len2 + g * W);
        len4[g] = O::load(k.len4 + g * W);
    }
    // Each masked box shifts word 0 down by s and word 1 up into it by 64 - s
    // (64 shifts everything out).
    __m128i down[22], up[22];
    const int n = rule.shiftCount;
    for (int i = 0; i < n; ++i) {
        down[i] = _mm_cvtsi32_si128(rule.shifts[i]);
        up[i] = _mm_cvtsi32_si128(64 - rule.shifts[i]);
    }
    const __m128i margin = _mm_cvtsi32_si128(laneMargin);
    const __m128i marginUp = _mm_cvtsi32_si128(64 - laneMargin);
    const V edge = O::set1((uint64_t{1} << laneMargin) - 1), one = O::set1(1);

    int64_t steps = 0;
    while (steps < maxSteps) {
        ++steps;
        V wide[2][G], act[2][G];
        for (int g = 0; g < G; ++g) {
            // The line with its margins: bit i + 11 is cell i.
            wide[0][g] = O::shl(c[0][g], margin);
            wide[1][g] = O::shr(c[0][g], marginUp);
            if constexpr (Long) wide[1][g] = O::orBits(wide[1][g], O::shl(c[1][g], margin));
            if constexpr (Wrap != LaneWrap::Frozen) {
                V t = c[0][g]; // word 0 of the cells; bit n is cell n mod L, n < 33
                if constexpr (Wrap == LaneWrap::ShortCircle) {
                    t = O::orBits(t, O::shlv(t, len1[g]));
                    t = O::orBits(t, O::shlv(t, len2[g]));
                    t = O::orBits(t, O::shlv(t, len4[g]));
                }
                V left = O::shrv(t, back[0][g]);
                if constexpr (Long)
                    left = O::or3(left, O::shlv(c[1][g], back[1][g]), O::shrv(c[1][g], back[2][g]));
                const V low = O::andBits(t, edge);
                wide[0][g] = O::or3(wide[0][g], O::andBits(left, edge), O::shlv(low, far[0][g]));
                wide[1][g] = O::or3(wide[1][g], O::shlv(low, far[1][g]), O::shrv(low, far[2][g]));
            }
            act[0][g] = act[1][g] = O::zero();
        }
        for (int i = 0; i < n; ++i)
            for (int g = 0; g < G; ++g) {
                act[0][g] =
                    O::or3(act[0][g], O::shr(wide[0][g], down[i]), O::shl(wide[1][g], up[i]));
                if constexpr (Long) act[1][g] = O::orBits(act[1][g], O::shr(wide[1][g], down[i]));
            }
        // Bits of act past the line meet no B or A there, so they need no mask.
        typename O::Mask empty = O::noMask();
        for (int g = 0; g < G; ++g) {
            for (int w = 0; w < words; ++w)
                O::step(act[w][g], c[w][g], b[w][g], a[w][g]);
            atZero[g] = O::add(atZero[g], O::andBits(a[0][g], one));
            const V any = Long ? O::orBits(c[0][g], c[1][g]) : c[0][g];
            empty = O::orMask(empty, O::emptyWatched(any, watch[g]));
        }
        if (O::any(empty)) break;
    }
    for (int g = 0; g < G; ++g) {
        for (int w = 0; w < words; ++w) {
            O::store(k.c[w] + g * W, c[w][g]);
            O::store(k.b[w] + g * W, b[w][g]);
            O::store(k.a[w] + g * W, a[w][g]);
        }
        O::store(k.aAtZero + g * W, atZero[g]);
    }
    return steps;
}

template <class O, LaneWrap Wrap, bool Long>
int64_t runLongVectors(LongLaneBlock& k, const LaneRule& rule, int vectors, int64_t maxSteps) {
    return vectors == 1 ? runLongBlock<O, 1, Wrap, Long>(k, rule, maxSteps)
                        : runLongBlock<O, laneBlockVectors, Wrap, Long>(k, rule, maxSteps);
}

template <class O, LaneWrap Wrap>
int64_t runLongWrap(LongLaneBlock& k, const LaneRule& rule, LongLanes lines, int vectors,
                    int64_t maxSteps) {
    return lines == LongLanes::UpTo64 ? runLongVectors<O, Wrap, false>(k, rule, vectors, maxSteps)
                                      : runLongVectors<O, Wrap, true>(k, rule, vectors, maxSteps);
}

template <class O>
int64_t runLongLanes(LongLaneBlock& k, const LaneRule& rule, LongLanes lines, int vectors,
                     int64_t maxSteps) {
    switch (rule.wrap) {
    case LaneWrap::Frozen:
        return runLongWrap<O, LaneWrap::Frozen>(k, rule, lines, vectors, maxSteps);
    case LaneWrap::Circle:
        return runLongWrap<O, LaneWrap::Circle>(k, rule, lines, vectors, maxSteps);
    case LaneWrap::ShortCircle:
        return runLongWrap<O, LaneWrap::ShortCircle>(k, rule, lines, vectors, maxSteps);
    }
    return 0;
}

} // namespace
} // namespace rca
