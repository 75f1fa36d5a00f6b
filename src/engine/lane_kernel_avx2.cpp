// Built with -mavx2; called only when the processor has AVX2.
#include "engine/lane_kernel_body.h"
#include "engine/lane_kernel_long_body.h"

namespace rca {

namespace {

struct Avx2 {
    using V = __m256i;
    using Mask = __m256i;
    static constexpr int lanes = 4;
    static V load(const uint64_t* p) { return _mm256_load_si256(reinterpret_cast<const V*>(p)); }
    static void store(uint64_t* p, V v) { _mm256_store_si256(reinterpret_cast<V*>(p), v); }
    static V set1(uint64_t x) { return _mm256_set1_epi64x(static_cast<long long>(x)); }
    static V zero() { return _mm256_setzero_si256(); }
    static V shl(V v, __m128i n) { return _mm256_sll_epi64(v, n); }
    static V shr(V v, __m128i n) { return _mm256_srl_epi64(v, n); }
    // Per-lane shifts; 64 or more give 0.
    static V shlv(V v, V n) { return _mm256_sllv_epi64(v, n); }
    static V shrv(V v, V n) { return _mm256_srlv_epi64(v, n); }
    static V andBits(V x, V y) { return _mm256_and_si256(x, y); }
    static V orBits(V x, V y) { return _mm256_or_si256(x, y); }
    static V or3(V x, V y, V z) { return orBits(orBits(x, y), z); }
    static V add(V x, V y) { return _mm256_add_epi64(x, y); }
    // C becomes B; B and A swap where activated (B and A never share a cell).
    static void step(V act, V& c, V& b, V& a) {
        const V flip = _mm256_and_si256(_mm256_xor_si256(a, b), act);
        const V next = _mm256_xor_si256(b, flip);
        a = _mm256_xor_si256(a, flip);
        b = c;
        c = next;
    }
    static Mask loadMask(const uint64_t* p) { return load(p); }
    static Mask noMask() { return zero(); }
    static Mask emptyWatched(V c, Mask watch) {
        return _mm256_and_si256(_mm256_cmpeq_epi64(c, zero()), watch);
    }
    static Mask orMask(Mask x, Mask y) { return orBits(x, y); }
    static bool any(Mask m) { return !_mm256_testz_si256(m, m); }
};

} // namespace

int64_t runLanesAvx2(LaneBlock& block, const LaneRule& rule, int vectors, int64_t maxSteps) {
    return runLanes<Avx2>(block, rule, vectors, maxSteps);
}

int64_t runLongLanesAvx2(LongLaneBlock& block, const LaneRule& rule, LongLanes lines, int vectors,
                         int64_t maxSteps) {
    return runLongLanes<Avx2>(block, rule, lines, vectors, maxSteps);
}

int laneCountAvx2() {
    return Avx2::lanes;
}

} // namespace rca
