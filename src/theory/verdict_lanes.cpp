#include "theory/verdict_lanes.h"

#include "engine/lane_kernel.h"
#include "theory/ring_rotation.h"

#include <algorithm>
#include <array>

namespace rca {

namespace {

// Every lane holds one line from its start until it is done or reaches the
// limit; a free lane takes the next line at once.
class DoneTimeLanes {
  public:
    DoneTimeLanes(LanePath path, const FastRule& rule, bool circle, int32_t limit)
        : kernel_(path == LanePath::Avx512 ? runLanesAvx512 : runLanesAvx2),
          lanes_(laneBlockVectors *
                 (path == LanePath::Avx512 ? laneCountAvx512() : laneCountAvx2())),
          length_(rule.length()), limit_(limit) {
        std::array<int, 2 * maxDistance> shifts{};
        rule_.shiftCount = rule.wideShifts(shifts);
        std::copy_n(shifts.begin(), rule_.shiftCount, rule_.shifts);
        rule_.countAtZero = false;
        rule_.wrap = !circle                 ? LaneWrap::Frozen
                     : length_ > maxDistance ? LaneWrap::Circle
                                             : LaneWrap::ShortCircle;
        // Every line has the same length: the wrap is set once for all lanes.
        const auto L = static_cast<uint64_t>(length_), margin = uint64_t{maxDistance};
        for (int k = 0; k < lanes_; ++k) {
            block_.back[k] = (L - margin % L) % L;
            block_.far[k] = L + margin;
            block_.len1[k] = L;
            block_.len2[k] = 2 * L;
            block_.len4[k] = 4 * L;
        }
    }

    // One pass over the lanes after each kernel call: settle, refill, and
    // find the oldest line, whose limit bounds the next call.
    void run(const LinePlanes* starts, size_t count, int32_t* out) {
        size_t next = 0;
        int busy = 0;
        for (; busy < lanes_ && next < count; ++busy)
            load(busy, next++, starts);
        int64_t steps = limit_;
        while (busy > 0) {
            now_ += kernel_(block_, rule_, laneBlockVectors, steps);
            int64_t oldest = now_;
            for (int k = 0; k < lanes_; ++k) {
                if (!busy_[k]) continue;
                if (settle(k, out)) {
                    if (next == count) {
                        --busy;
                        continue;
                    }
                    load(k, next++, starts);
                }
                oldest = std::min(oldest, start_[k]);
            }
            steps = oldest + limit_ - now_;
        }
    }

  private:
    void load(int k, size_t line, const LinePlanes* starts) {
        block_.c[k] = static_cast<uint64_t>(starts[line].c);
        block_.b[k] = static_cast<uint64_t>(starts[line].b);
        block_.a[k] = static_cast<uint64_t>(starts[line].a);
        block_.aAtZero[k] = 0;
        block_.watch[k] = ~uint64_t{0};
        busy_[k] = true;
        line_[k] = line;
        start_[k] = now_;
    }

    // True when lane k's line is done or at the limit; the lane is then free.
    bool settle(int k, int32_t* out) {
        const int64_t t = now_ - start_[k];
        if (block_.c[k] == 0 && t > 1)
            out[line_[k]] = static_cast<int32_t>(t);
        else if (t >= limit_)
            out[line_[k]] = -1;
        else
            return false;
        busy_[k] = false;
        block_.c[k] = block_.b[k] = block_.a[k] = block_.watch[k] = 0;
        return true;
    }

    LaneKernel kernel_;
    int lanes_, length_;
    int64_t limit_;
    LaneRule rule_;
    LaneBlock block_{};
    bool busy_[maxBlockLanes] = {};
    size_t line_[maxBlockLanes] = {};
    int64_t start_[maxBlockLanes] = {};
    int64_t now_ = 0;
};

} // namespace

void lineDoneTimes(LanePath path, const FastRule& rule, bool circle, const LinePlanes* starts,
                   size_t count, int32_t limit, int32_t* out) {
    const bool lanes = path != LanePath::Scalar && lanePathSupported(path) && rule.length() > 0 &&
                       rule.fitsLanePair64() && limit > 0;
    if (lanes) {
        DoneTimeLanes(path, rule, circle, limit).run(starts, count, out);
        return;
    }
    for (size_t k = 0; k < count; ++k)
        out[k] = lineDoneTime(starts[k], rule, limit);
}

VerdictBatch::VerdictBatch(int32_t length, const VerdictRule& rule, LanePath path)
    : length_(boundedLength(length)), rule_(rule), path_(path),
      fast_(length_, rule.borderMode != 0, rule.mask) {}

VerdictEnd VerdictBatch::judge(CellBits bCells, const LinePlanes& one, int32_t t1, int32_t t2) {
    const int32_t end = trialEnd(t1, t2, rule_.stepLimit);
    if (end < 0) return {Verdict::Timeout, -1};
    if (t1 >= surelyNotFrom) return {Verdict::Not, end};
    ParticleRowsByNeed model(bCells, length_);
    return {traceVerdict(one, fast_, t1, model), end};
}

void VerdictBatch::run(const CellBits* bCells, size_t count, VerdictEnd* out,
                       VerdictEnd* mirrorOut) {
    starts_.resize(2 * count);
    doneTimes_.resize(2 * count);
    for (size_t k = 0; k < count; ++k) {
        starts_[2 * k] = startPlanesI(bCells[k], length_);
        starts_[2 * k + 1] = startPlanesII(bCells[k], length_);
    }
    lineDoneTimes(path_, fast_, rule_.borderMode != 0, starts_.data(), 2 * count, rule_.stepLimit,
                  doneTimes_.data());
    for (size_t k = 0; k < count; ++k) {
        const int32_t t1 = doneTimes_[2 * k], t2 = doneTimes_[2 * k + 1];
        out[k] = judge(bCells[k], starts_[2 * k], t1, t2);
        // Line II of x is line I of its mirror, and line I of x the mirror's
        // line II: the same two done times.
        const LinePlanes& mirror = starts_[2 * k + 1];
        if (mirrorOut) mirrorOut[k] = judge(mirror.b, mirror, t2, t1);
    }
}

void VerdictBatch::run(const CellBits* bCells, size_t count, VerdictEnd* out,
                       const DoneTimeTable& times) {
    for (size_t k = 0; k < count; ++k)
        out[k] = judge(bCells[k], startPlanesI(bCells[k], length_), times.lineI(bCells[k]),
                       times.lineII(bCells[k]));
}

void VerdictBatch::runClasses(const CellBits* least, size_t count, std::vector<CellBits>& lines,
                              std::vector<VerdictEnd>& out) {
    starts_.resize(2 * count);
    doneTimes_.resize(2 * count);
    for (size_t k = 0; k < count; ++k) {
        starts_[2 * k] = startPlanesI(least[k], length_);
        starts_[2 * k + 1] = startPlanesII(least[k], length_);
    }
    lineDoneTimes(path_, fast_, true, starts_.data(), 2 * count, rule_.stepLimit,
                  doneTimes_.data());
    lines.clear();
    out.clear();
    for (size_t k = 0; k < count; ++k) {
        // Line II is line I with A and B swapped, and turns with it.
        const int32_t t1 = doneTimes_[2 * k], t2 = doneTimes_[2 * k + 1];
        forEachTurn(static_cast<uint64_t>(least[k]), length_, [&](uint64_t line) {
            lines.push_back(line);
            out.push_back(judge(line, startPlanesI(line, length_), t1, t2));
        });
    }
}

} // namespace rca
