#include "engine/fast_step.h"

#include <array>
#include <cstring>

namespace rca {

namespace {

constexpr int circleDistances = 11;
constexpr int frozenDistances = 6;

constexpr uint64_t lowBits = 0x0101010101010101ULL;
constexpr uint64_t sixBits = 0x3F3F3F3F3F3F3F3FULL;
constexpr uint64_t bit6 = 0x4040404040404040ULL;

// Bit 0 of each byte of `x` into bit k of the result, k the byte's index.
// The multiplier's partial products never overlap, so no carries mix them.
inline uint64_t gatherBytes(uint64_t x) {
    return ((x & lowBits) * 0x0102040810204080ULL) >> 56;
}

// The inverse: bit k of `bits` into bit 0 of byte k.
constexpr std::array<uint64_t, 256> spreadTable = [] {
    std::array<uint64_t, 256> t{};
    for (unsigned v = 0; v < 256; ++v)
        for (int k = 0; k < 8; ++k)
            if (v & (1u << k)) t[v] |= uint64_t{1} << (8 * k);
    return t;
}();

inline CellBits cellMask(int length) {
    return length <= 0 ? 0 : (CellBits{1} << length) - 1;
}

// Inline, since the baseline instruction set has no population count.
inline int popcount64(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * lowBits) >> 56);
}

inline int popcount(CellBits x) {
    return popcount64(static_cast<uint64_t>(x)) + popcount64(static_cast<uint64_t>(x >> 64));
}

constexpr int wordCount = (maxLineCells + 7) / 8;
constexpr int margin = maxDistance;
constexpr uint64_t marginBits = (uint64_t{1} << margin) - 1;

// Bit n of the result is cell n mod length of `c`, for n < max(length, 33):
// short lines repeat until the margins fit.
inline CellBits tiled(CellBits c, int length) {
    for (int width = length; width < 3 * margin; width *= 2)
        c |= c << width;
    return c;
}

} // namespace

FastRule::FastRule(int length, bool circle, const NeighbourMask& mask)
    : length_(boundedLength(length)), circle_(circle), cells_(cellMask(length_)) {
    const int distances = circle ? circleDistances : frozenDistances;
    for (int d = 1; d <= distances; ++d) {
        left_[d] = mask.left[d];
        right_[d] = mask.right[d];
    }
}

CellBits FastRule::activated(CellBits c) const {
    // The line with a margin of 11 cells on each side: bit i + 11 is cell i.
    // In Circle the margins hold the wrapped cells (several turns when the
    // line is shorter than the margin); in Frozen A they stay empty.
    CellBits wide = c << margin;
    if (circle_ && length_ > 0) {
        const CellBits t = tiled(c, length_);
        const int back = (length_ - margin % length_) % length_; // = -11 mod L
        wide |= (t >> back) & marginBits;
        wide |= (t & marginBits) << (length_ + margin);
    }
    CellBits act = 0;
#pragma GCC unroll 11
    for (int d = 1; d <= maxDistance; ++d) {
        if (left_[d]) act |= wide >> (margin - d);
        if (right_[d]) act |= wide >> (margin + d);
    }
    return act & cells_;
}

LinePlanes FastRule::next(const LinePlanes& p) const {
    const CellBits act = activated(p.c);
    LinePlanes n;
    n.c = (p.b & ~act) | (p.a & act);
    n.b = p.c;
    n.a = (p.b & act) | (p.a & ~act);
    return n;
}

bool packLine(const Line& line, int length, LinePlanes& out) {
    // Whole words over a padded copy; cells at or above the length are
    // masked off afterwards.
    uint8_t buf[wordCount * 8] = {};
    std::memcpy(buf, line.data(), maxLineCells);
    uint64_t b[2] = {}, a[2] = {}, bad[2] = {};
#pragma GCC unroll 13
    for (int w = 0; w < wordCount; ++w) {
        uint64_t x;
        std::memcpy(&x, buf + 8 * w, 8);
        // Foreign bytes: any of bits 2..7 set, or bits 0 and 1 both (3).
        const uint64_t high = ((((x >> 2) & sixBits) + sixBits) & bit6) >> 6;
        const uint64_t three = x & (x >> 1);
        const int half = w / 8, shift = 8 * (w % 8);
        b[half] |= gatherBytes(x) << shift;
        a[half] |= gatherBytes(x >> 1) << shift;
        bad[half] |= gatherBytes(high | three) << shift;
    }
    auto join = [](const uint64_t* h) { return CellBits{h[1]} << 64 | h[0]; };
    const CellBits cells = cellMask(boundedLength(length));
    if (join(bad) & cells) return false;
    out.b = join(b) & cells;
    out.a = join(a) & cells;
    out.c = ~(join(b) | join(a)) & cells;
    return true;
}

void unpackLine(const LinePlanes& p, int length, Line& line) {
    uint8_t buf[wordCount * 8];
    const uint64_t b[2] = {static_cast<uint64_t>(p.b), static_cast<uint64_t>(p.b >> 64)};
    const uint64_t a[2] = {static_cast<uint64_t>(p.a), static_cast<uint64_t>(p.a >> 64)};
#pragma GCC unroll 13
    for (int w = 0; w < wordCount; ++w) {
        const int half = w / 8, shift = 8 * (w % 8);
        const uint64_t x =
            spreadTable[(b[half] >> shift) & 0xFF] | (spreadTable[(a[half] >> shift) & 0xFF] << 1);
        std::memcpy(buf + 8 * w, &x, 8);
    }
    std::memcpy(line.data(), buf, static_cast<size_t>(boundedLength(length)));
}

bool fastStepLine(const FastRule& rule, Line& line, Line& next, StateCounts& counts) {
    const int L = rule.length();
    LinePlanes p;
    if (!packLine(line, L, p)) return false;
    const LinePlanes n = rule.next(p);
    unpackLine(n, L, line);
    std::memcpy(next.data(), line.data(), static_cast<size_t>(L));
    counts.c = popcount(n.c);
    counts.b = popcount(n.b);
    counts.a = popcount(n.a);
    return true;
}

} // namespace rca
