#pragma once
// The lane kernel over an instruction set's operations `O`. Included only by
// the file built for that instruction set, and kept in an unnamed namespace,
// so none of its code can stand in for code of the baseline build.
#include "engine/lane_kernel.h"

#include <immintrin.h>

namespace rca {
namespace {

constexpr int laneMargin = 11;

// The step rule of FastRule::next, on the lines of G registers at once.
template <class O, int G, LaneWrap Wrap, bool CountAtZero>
int64_t runBlock(LaneBlock& k, const LaneRule& rule, int64_t maxSteps) {
    using V = typename O::V;
    constexpr int W = O::lanes;
    V c[G], b[G], a[G], atZero[G], back[G], far[G], len1[G], len2[G], len4[G];
    typename O::Mask watch[G];
    for (int g = 0; g < G; ++g) {
        c[g] = O::load(k.c + g * W);
        b[g] = O::load(k.b + g * W);
        a[g] = O::load(k.a + g * W);
        atZero[g] = O::load(k.aAtZero + g * W);
        watch[g] = O::loadMask(k.watch + g * W);
        back[g] = O::load(k.back + g * W);
        far[g] = O::load(k.far + g * W);
        len1[g] = O::load(k.len1 + g * W);
        len2[g] = O::load(k.len2 + g * W);
        len4[g] = O::load(k.len4 + g * W);
    }
    __m128i shift[22];
    const int n = rule.shiftCount;
    for (int i = 0; i < n; ++i)
        shift[i] = _mm_cvtsi32_si128(rule.shifts[i]);
    const __m128i margin = _mm_cvtsi32_si128(laneMargin);
    const V edge = O::set1((uint64_t{1} << laneMargin) - 1), one = O::set1(1);

    int64_t steps = 0;
    while (steps < maxSteps) {
        ++steps;
        V wide[G], act[G];
        for (int g = 0; g < G; ++g) {
            // The line with its margins: bit i + 11 is cell i.
            wide[g] = O::shl(c[g], margin);
            if constexpr (Wrap == LaneWrap::Circle) {
                wide[g] = O::or3(wide[g], O::shrv(c[g], back[g]),
                                 O::shlv(O::andBits(c[g], edge), far[g]));
            } else if constexpr (Wrap == LaneWrap::ShortCircle) {
                V t = c[g]; // bit n is cell n mod L, for n < 8L
                t = O::orBits(t, O::shlv(t, len1[g]));
                t = O::orBits(t, O::shlv(t, len2[g]));
                t = O::orBits(t, O::shlv(t, len4[g]));
                wide[g] = O::or3(wide[g], O::andBits(O::shrv(t, back[g]), edge),
                                 O::shlv(O::andBits(t, edge), far[g]));
            }
            // The first box starts the activation: one OR fewer in each step's chain.
            act[g] = n > 0 ? O::shr(wide[g], shift[0]) : O::zero();
        }
        int i = 1;
        for (; i + 1 < n; i += 2)
            for (int g = 0; g < G; ++g)
                act[g] = O::or3(act[g], O::shr(wide[g], shift[i]), O::shr(wide[g], shift[i + 1]));
        if (i < n)
            for (int g = 0; g < G; ++g)
                act[g] = O::orBits(act[g], O::shr(wide[g], shift[i]));
        // Bits of act past the line meet no B or A there, so they need no mask.
        typename O::Mask empty = O::noMask();
        for (int g = 0; g < G; ++g) {
            O::step(act[g], c[g], b[g], a[g]);
            if constexpr (CountAtZero) atZero[g] = O::add(atZero[g], O::andBits(a[g], one));
            empty = O::orMask(empty, O::emptyWatched(c[g], watch[g]));
        }
        if (O::any(empty)) break;
    }
    for (int g = 0; g < G; ++g) {
        O::store(k.c + g * W, c[g]);
        O::store(k.b + g * W, b[g]);
        O::store(k.a + g * W, a[g]);
        O::store(k.aAtZero + g * W, atZero[g]);
    }
    return steps;
}

template <class O, LaneWrap Wrap, bool CountAtZero>
int64_t runVectors(LaneBlock& k, const LaneRule& rule, int vectors, int64_t maxSteps) {
    return vectors == 1 ? runBlock<O, 1, Wrap, CountAtZero>(k, rule, maxSteps)
                        : runBlock<O, laneBlockVectors, Wrap, CountAtZero>(k, rule, maxSteps);
}

template <class O, LaneWrap Wrap>
int64_t runWrap(LaneBlock& k, const LaneRule& rule, int vectors, int64_t maxSteps) {
    return rule.countAtZero ? runVectors<O, Wrap, true>(k, rule, vectors, maxSteps)
                            : runVectors<O, Wrap, false>(k, rule, vectors, maxSteps);
}

template <class O>
int64_t runLanes(LaneBlock& k, const LaneRule& rule, int vectors, int64_t maxSteps) {
    switch (rule.wrap) {
    case LaneWrap::Frozen:
        return runWrap<O, LaneWrap::Frozen>(k, rule, vectors, maxSteps);
    case LaneWrap::Circle:
        return runWrap<O, LaneWrap::Circle>(k, rule, vectors, maxSteps);
    case LaneWrap::ShortCircle:
        return runWrap<O, LaneWrap::ShortCircle>(k, rule, vectors, maxSteps);
    }
    return 0;
}

} // namespace
} // namespace rca
