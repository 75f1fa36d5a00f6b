#include "engine/fast_step.h"

#include <algorithm>
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

} // namespace

FastRule::FastRule(int length, bool circle, const NeighbourMask& mask)
    : length_(boundedLength(length)), circle_(circle && length_ > 0), cells_(cellMask(length_)) {
    const int distances = circle ? circleDistances : frozenDistances;
    for (int d = 1; d <= distances; ++d) {
        left_[d] = mask.left[d];
        right_[d] = mask.right[d];
    }
    if (circle_) back_ = (length_ - margin % length_) % length_;
}

int FastRule::wideShifts(std::array<int, 2 * maxDistance>& out) const {
    int n = 0;
    for (int d = 1; d <= maxDistance; ++d) {
        if (left_[d]) out[n++] = margin - d;
        if (right_[d]) out[n++] = margin + d;
    }
    return n;
}

namespace {

// Word w holds cells 8w .. 8w+7; bytes past the array read as 0 (C), which
// the cell mask removes.
inline uint64_t loadWord(const Line& line, int w) {
    uint64_t x = 0;
    if (w < maxLineCells / 8)
        std::memcpy(&x, line.data() + 8 * w, 8);
    else
        std::memcpy(&x, line.data() + 8 * w, maxLineCells % 8);
    return x;
}

// Stores the first `bytes` cells of word w into both lines.
inline void storeWord(Line& one, Line& two, int w, uint64_t x, int bytes) {
    if (bytes == 8) {
        std::memcpy(one.data() + 8 * w, &x, 8);
        std::memcpy(two.data() + 8 * w, &x, 8);
        return;
    }
    for (int k = 0; k < bytes; ++k)
        one[8 * w + k] = two[8 * w + k] = static_cast<CellState>(x >> (8 * k));
}

// The planes of one half of the line: words first .. first+7, within `length`.
struct HalfPlanes {
    uint64_t b = 0, a = 0, bad = 0;
};

inline HalfPlanes packHalf(const Line& line, int first, int length) {
    HalfPlanes h;
    for (int k = 0; k < 8 && 8 * (first + k) < length; ++k) {
        const uint64_t x = loadWord(line, first + k);
        // Foreign bytes: any of bits 2..7 set, or bits 0 and 1 both (3).
        const uint64_t high = ((((x >> 2) & sixBits) + sixBits) & bit6) >> 6;
        const uint64_t three = x & (x >> 1);
        h.b |= gatherBytes(x) << (8 * k);
        h.a |= gatherBytes(x >> 1) << (8 * k);
        h.bad |= gatherBytes(high | three) << (8 * k);
    }
    return h;
}

inline void unpackHalf(uint64_t b, uint64_t a, int first, int length, Line& one, Line& two) {
    for (int k = 0; k < 8 && 8 * (first + k) < length; ++k) {
        const uint64_t x =
            spreadTable[(b >> (8 * k)) & 0xFF] | (spreadTable[(a >> (8 * k)) & 0xFF] << 1);
        storeWord(one, two, first + k, x, std::min(8, length - 8 * (first + k)));
    }
}

void unpackInto(const LinePlanes& p, int length, Line& one, Line& two) {
    unpackHalf(static_cast<uint64_t>(p.b), static_cast<uint64_t>(p.a), 0, length, one, two);
    unpackHalf(static_cast<uint64_t>(p.b >> 64), static_cast<uint64_t>(p.a >> 64), 8, length, one,
               two);
}

inline CellBits joined(uint64_t low, uint64_t high) {
    return CellBits{high} << 64 | low;
}

} // namespace

bool packLine(const Line& line, int length, LinePlanes& out) {
    length = boundedLength(length);
    const HalfPlanes lo = packHalf(line, 0, length), hi = packHalf(line, 8, length);
    const CellBits cells = cellMask(length);
    if (joined(lo.bad, hi.bad) & cells) return false;
    const CellBits b = joined(lo.b, hi.b), a = joined(lo.a, hi.a);
    out.b = b & cells;
    out.a = a & cells;
    out.c = ~(b | a) & cells;
    return true;
}

void unpackLine(const LinePlanes& p, int length, Line& line) {
    unpackInto(p, boundedLength(length), line, line);
}

void unpackLine(const LinePlanes& p, int length, Line& line, Line& copy) {
    unpackInto(p, boundedLength(length), line, copy);
}

StateCounts countPlanes(const LinePlanes& p) {
    return StateCounts{popcount(p.c), popcount(p.b), popcount(p.a)};
}

void addCounts(const CountDigits& digits, int length, CellInts& counts) {
    const CellBits cells = cellMask(boundedLength(length));
    for (size_t j = 0; j < digits.size(); ++j)
        for (CellBits rest = digits[j] & cells; rest != 0; rest &= rest - 1) {
            const auto low = static_cast<uint64_t>(rest);
            const int i = low != 0 ? __builtin_ctzll(low)
                                   : 64 + __builtin_ctzll(static_cast<uint64_t>(rest >> 64));
            counts[i] += 1 << j;
        }
}

bool fastStepLine(const FastRule& rule, Line& line, Line& next, StateCounts& counts) {
    const int L = rule.length();
    LinePlanes p;
    if (!packLine(line, L, p)) return false;
    const LinePlanes n = rule.next(p);
    unpackInto(n, L, line, next);
    counts = countPlanes(n);
    return true;
}

} // namespace rca
