#pragma once
// How the lane runner keeps lines in a kernel's block: lines of up to 42
// cells in 64-bit lanes, any line in 128-bit lanes of two words. Each format
// packs a line into a lane, reads its end back, moves and empties lanes and
// runs its kernel, so one runner serves both.
#include "engine/fast_step.h"
#include "engine/lane_kernel_long.h"
#include "engine/lane_path.h"

namespace rca {

// Circle's wrap for a line of `length` cells, as the kernels read it.
struct LaneWrapShifts {
    uint64_t back, far;
    explicit LaneWrapShifts(int length) {
        const auto L = static_cast<uint64_t>(length), margin = uint64_t{maxDistance};
        back = (L - margin % L) % L;
        far = L + margin;
    }
};

class ShortLaneFormat {
  public:
    using Block = LaneBlock;
    explicit ShortLaneFormat(LanePath path)
        : kernel_(path == LanePath::Avx512 ? runLanesAvx512 : runLanesAvx2) {}

    static bool holds(int length) { return length + 2 * maxDistance <= 64; }
    int64_t run(Block& k, const LaneRule& rule, int /*longest*/, int vectors,
                int64_t maxSteps) const {
        return kernel_(k, rule, vectors, maxSteps);
    }
    static void load(Block& k, int lane, const LinePlanes& p, int length) {
        k.c[lane] = static_cast<uint64_t>(p.c);
        k.b[lane] = static_cast<uint64_t>(p.b);
        k.a[lane] = static_cast<uint64_t>(p.a);
        k.aAtZero[lane] = 0;
        k.watch[lane] = ~uint64_t{0};
        const LaneWrapShifts s(length);
        const auto L = static_cast<uint64_t>(length);
        k.back[lane] = s.back;
        k.far[lane] = s.far;
        k.len1[lane] = L;
        k.len2[lane] = 2 * L;
        k.len4[lane] = 4 * L;
    }
    static bool hasC(const Block& k, int lane) { return k.c[lane] != 0; }
    static LinePlanes ends(const Block& k, int lane) { return {0, k.b[lane], k.a[lane]}; }
    static void clear(Block& k, int lane) { k.c[lane] = k.b[lane] = k.a[lane] = k.watch[lane] = 0; }
    static void move(Block& k, int from, int to) {
        for (uint64_t* field :
             {k.c, k.b, k.a, k.aAtZero, k.watch, k.back, k.far, k.len1, k.len2, k.len4})
            field[to] = field[from];
        clear(k, from);
    }

  private:
    LaneKernel kernel_;
};

class LongLaneFormat {
  public:
    using Block = LongLaneBlock;
    explicit LongLaneFormat(LanePath path)
        : kernel_(path == LanePath::Avx512 ? runLongLanesAvx512 : runLongLanesAvx2) {}

    static bool holds(int length) { return length > 0 && length <= maxLineCells; }
    int64_t run(Block& k, const LaneRule& rule, int longest, int vectors, int64_t maxSteps) const {
        const LongLanes lines = longest <= 64 ? LongLanes::UpTo64 : LongLanes::UpTo100;
        return kernel_(k, rule, lines, vectors, maxSteps);
    }
    static void load(Block& k, int lane, const LinePlanes& p, int length) {
        for (int w = 0; w < 2; ++w) {
            k.c[w][lane] = static_cast<uint64_t>(p.c >> (64 * w));
            k.b[w][lane] = static_cast<uint64_t>(p.b >> (64 * w));
            k.a[w][lane] = static_cast<uint64_t>(p.a >> (64 * w));
        }
        k.aAtZero[lane] = 0;
        k.watch[lane] = ~uint64_t{0};
        const LaneWrapShifts s(length);
        const auto L = static_cast<uint64_t>(length);
        k.back[0][lane] = s.back;
        k.back[1][lane] = 64 - s.back;
        k.back[2][lane] = s.back - 64;
        k.far[0][lane] = s.far;
        k.far[1][lane] = s.far - 64;
        k.far[2][lane] = 64 - s.far;
        k.len1[lane] = L;
        k.len2[lane] = 2 * L;
        k.len4[lane] = 4 * L;
    }
    static bool hasC(const Block& k, int lane) { return (k.c[0][lane] | k.c[1][lane]) != 0; }
    static LinePlanes ends(const Block& k, int lane) {
        return {0, joined(k.b, lane), joined(k.a, lane)};
    }
    static void clear(Block& k, int lane) {
        for (int w = 0; w < 2; ++w)
            k.c[w][lane] = k.b[w][lane] = k.a[w][lane] = 0;
        k.watch[lane] = 0;
    }
    static void move(Block& k, int from, int to) {
        for (uint64_t* field :
             {k.c[0], k.c[1], k.b[0], k.b[1], k.a[0], k.a[1], k.aAtZero, k.watch, k.back[0],
              k.back[1], k.back[2], k.far[0], k.far[1], k.far[2], k.len1, k.len2, k.len4})
            field[to] = field[from];
        clear(k, from);
    }

  private:
    static CellBits joined(const uint64_t (&w)[2][maxBlockLanes], int lane) {
        return CellBits{w[1][lane]} << 64 | w[0][lane];
    }

    LongLaneKernel kernel_;
};

} // namespace rca
