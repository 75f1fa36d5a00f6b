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
inline unsigned gatherBytes(uint64_t x) {
    return static_cast<unsigned>(((x & lowBits) * 0x0102040810204080ULL) >> 56);
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

inline int popcount(CellBits x) {
    return __builtin_popcountll(static_cast<uint64_t>(x)) +
           __builtin_popcountll(static_cast<uint64_t>(x >> 64));
}

constexpr int wordCount = (maxLineCells + 7) / 8;

} // namespace

FastRule::FastRule(int length, bool circle, const NeighbourMask& mask)
    : length_(boundedLength(length)), circle_(circle), cells_(cellMask(length_)) {
    if (length_ == 0) return;
    if (circle_) {
        // Every term becomes a rotation towards higher indices; distances at
        // or above the length wrap, so equal rotations are kept once.
        CellBits used = 0;
        auto add = [&](int shift) {
            if (used & (CellBits{1} << shift)) return;
            used |= CellBits{1} << shift;
            terms_[termCount_++] = Term{shift, false};
        };
        for (int d = 1; d <= circleDistances; ++d) {
            const int s = d % length_;
            if (mask.left[d]) add(s);
            if (mask.right[d]) add((length_ - s) % length_);
        }
        return;
    }
    for (int d = 1; d <= frozenDistances; ++d) {
        if (mask.left[d]) terms_[termCount_++] = Term{d, false};
        if (mask.right[d]) terms_[termCount_++] = Term{d, true};
    }
}

CellBits FastRule::activated(CellBits c) const {
    CellBits act = 0;
    if (circle_) {
        for (int k = 0; k < termCount_; ++k) {
            const int s = terms_[k].shift;
            act |= s == 0 ? c : (c << s) | (c >> (length_ - s));
        }
    } else {
        // Positions outside the line are frozen A: shifted-in bits are 0.
        for (int k = 0; k < termCount_; ++k)
            act |= terms_[k].down ? c >> terms_[k].shift : c << terms_[k].shift;
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
    length = boundedLength(length);
    uint8_t buf[wordCount * 8] = {};
    std::memcpy(buf, line.data(), static_cast<size_t>(length));
    CellBits b = 0, a = 0, bad = 0;
    for (int w = 0; w < (length + 7) / 8; ++w) {
        uint64_t x;
        std::memcpy(&x, buf + 8 * w, 8);
        // Foreign bytes: any of bits 2..7 set, or bits 0 and 1 both (3).
        const uint64_t high = ((((x >> 2) & sixBits) + sixBits) & bit6) >> 6;
        const uint64_t three = x & (x >> 1);
        b |= CellBits{gatherBytes(x)} << (8 * w);
        a |= CellBits{gatherBytes(x >> 1)} << (8 * w);
        bad |= CellBits{gatherBytes(high | three)} << (8 * w);
    }
    const CellBits cells = cellMask(length);
    if (bad & cells) return false;
    out.b = b & cells;
    out.a = a & cells;
    out.c = ~(b | a) & cells;
    return true;
}

void unpackLine(const LinePlanes& p, int length, Line& line) {
    length = boundedLength(length);
    uint8_t buf[wordCount * 8];
    for (int w = 0; w < (length + 7) / 8; ++w) {
        const auto b8 = static_cast<unsigned>(p.b >> (8 * w)) & 0xFFu;
        const auto a8 = static_cast<unsigned>(p.a >> (8 * w)) & 0xFFu;
        const uint64_t x = spreadTable[b8] | (spreadTable[a8] << 1);
        std::memcpy(buf + 8 * w, &x, 8);
    }
    std::memcpy(line.data(), buf, static_cast<size_t>(length));
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
