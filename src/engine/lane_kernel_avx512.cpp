// Built with -mavx512f; called only when the processor has AVX-512 F.
// g++ 12 warns about the placeholder operands its own AVX-512 intrinsics
// leave unset (its bug 105593); they are never read.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include "engine/lane_kernel_body.h"
#include "engine/lane_kernel_long_body.h"

namespace rca {

namespace {

struct Avx512 {
    using V = __m512i;
    using Mask = __mmask8;
    static constexpr int lanes = 8;
    static V load(const uint64_t* p) { return _mm512_load_si512(p); }
    static void store(uint64_t* p, V v) { _mm512_store_si512(p, v); }
    static V set1(uint64_t x) { return _mm512_set1_epi64(static_cast<long long>(x)); }
    static V zero() { return _mm512_setzero_si512(); }
    static V shl(V v, __m128i n) { return _mm512_sll_epi64(v, n); }
    static V shr(V v, __m128i n) { return _mm512_srl_epi64(v, n); }
    // Per-lane shifts; 64 or more give 0.
    static V shlv(V v, V n) { return _mm512_sllv_epi64(v, n); }
    static V shrv(V v, V n) { return _mm512_srlv_epi64(v, n); }
    static V andBits(V x, V y) { return _mm512_and_si512(x, y); }
    static V orBits(V x, V y) { return _mm512_or_si512(x, y); }
    static V or3(V x, V y, V z) { return _mm512_ternarylogic_epi64(x, y, z, 0xFE); }
    static V add(V x, V y) { return _mm512_add_epi64(x, y); }
    // C becomes B; where activated B and A swap: two bitwise selects.
    static void step(V act, V& c, V& b, V& a) {
        const V next = _mm512_ternarylogic_epi64(act, a, b, 0xCA); // act ? a : b
        a = _mm512_ternarylogic_epi64(act, b, a, 0xCA);
        b = c;
        c = next;
    }
    static Mask loadMask(const uint64_t* p) {
        const V w = load(p);
        return _mm512_test_epi64_mask(w, w);
    }
    static Mask noMask() { return 0; }
    static Mask emptyWatched(V c, Mask watch) { return _mm512_mask_testn_epi64_mask(watch, c, c); }
    static Mask orMask(Mask x, Mask y) { return static_cast<Mask>(x | y); }
    static bool any(Mask m) { return m != 0; }
};

} // namespace

int64_t runLanesAvx512(LaneBlock& block, const LaneRule& rule, int vectors, int64_t maxSteps) {
    return runLanes<Avx512>(block, rule, vectors, maxSteps);
}

int64_t runLongLanesAvx512(LongLaneBlock& block, const LaneRule& rule, LongLanes lines, int vectors,
                           int64_t maxSteps) {
    return runLongLanes<Avx512>(block, rule, lines, vectors, maxSteps);
}

int laneCountAvx512() {
    return Avx512::lanes;
}

} // namespace rca
