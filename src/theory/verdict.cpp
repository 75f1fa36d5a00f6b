#include "theory/verdict.h"

#include "state/picture_state.h"

#include <algorithm>
#include <array>
#include <optional>

namespace rca {

namespace {

CellBits cellsOf(int32_t length) {
    const int n = boundedLength(length);
    return n == 0 ? 0 : (CellBits{1} << n) - 1;
}

int lowestCell(CellBits x) {
    const auto low = static_cast<uint64_t>(x);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<uint64_t>(x >> 64));
}

int highestCell(CellBits x) {
    const auto high = static_cast<uint64_t>(x >> 64);
    return high != 0 ? 127 - __builtin_clzll(high) : 63 - __builtin_clzll(static_cast<uint64_t>(x));
}

// Per-cell clocks four to a 64-bit word, 16 bits each: a step adds 1, or 2
// to the cells in A, to four cells at once. The trace ends before stepTime
// 10000, so a clock stays below 2^15.
class CellClocks {
  public:
    // Only the words of the line are cleared: a trace is short, and most
    // lines are judged within a few steps.
    explicit CellClocks(int length) : words_((length + 3) / 4) {
        for (int w = 0; w < words_; ++w)
            clock_[w] = 0;
    }
    void step(CellBits aCells) {
        for (int w = 0; w < words_; ++w)
            clock_[w] += everyLane + spread_[static_cast<unsigned>(aCells >> (4 * w)) & 15];
    }
    int32_t operator[](int i) const { return (clock_[i / 4] >> (16 * (i % 4))) & 0xFFFF; }

  private:
    static constexpr uint64_t everyLane = 0x0001000100010001ULL;
    static constexpr std::array<uint64_t, 16> spread_ = [] {
        std::array<uint64_t, 16> t{};
        for (unsigned v = 0; v < 16; ++v)
            for (int k = 0; k < 4; ++k)
                if (v & (1u << k)) t[v] |= uint64_t{1} << (16 * k);
        return t;
    }();
    int words_;
    uint64_t clock_[(maxLineCells + 3) / 4];
};

// The clock view's marks of line I as its steps are drawn. A row is cleared
// only when first reached: most traces end within a few steps.
class MarkRecorder {
  public:
    // One drawn step: a C mark at row clock / 2 for every C cell, and
    // lastCRowI from the last of them in index order. False at a mark in
    // rows 0..sureRow that `model` lacks (with a model).
    bool record(CellBits cCells, const CellClocks& clock, ParticleRowsByNeed* model,
                int32_t sureRow) {
        if (cCells == 0) return true;
        lastRow_ = clock[highestCell(cCells)] / 2;
        for (CellBits rest = cCells; rest != 0; rest &= rest - 1) {
            const int i = lowestCell(rest);
            const int32_t row = clock[i] / 2;
            const CellBits bit = CellBits{1} << i;
            if (row < particleRows) {
                if (model && row <= sureRow && ((*model)[row] & bit) == 0) return false;
                clearTo(row + 1);
                marks_[row] |= bit;
            } else if (row < markRows && (lateRow_ < 0 || row <= lateRow_)) {
                if (row < lateRow_) lateCells_ = 0;
                lateRow_ = row;
                lateCells_ |= bit;
            }
        }
        return true;
    }

    LineITrace trace() {
        clearTo(particleRows);
        LineITrace t;
        t.marks = marks_;
        t.lastRow = lastRow_;
        t.lateRow = lateRow_;
        t.lateCells = lateCells_;
        return t;
    }

  private:
    void clearTo(int rows) {
        for (; cleared_ < rows; ++cleared_)
            marks_[cleared_] = 0;
    }

    ParticleRows marks_; // rows from cleared_ on are not yet in use
    int cleared_ = 0;
    int32_t lastRow_ = -1, lateRow_ = -1;
    CellBits lateCells_ = 0;
};

// The trace, or nothing once a mark rules the model out.
std::optional<LineITrace> trace(const LinePlanes& start, const FastRule& rule, int32_t doneTime,
                                ParticleRowsByNeed* model) {
    MarkRecorder marks;
    const int n = rule.length();
    CellClocks clock(n);
    LinePlanes p = start;
    // The done step itself has no C, and the steps after it are not drawn.
    const int32_t last = std::min(doneTime - 1, pictureRowLimit - 1);
    const int32_t sureRow = std::min(last / 2, particleRows - 1);
    for (int32_t t = 1; t <= last; ++t) {
        p = rule.next(p);
        clock.step(p.a);
        if (!marks.record(p.c, clock, model, sureRow)) return std::nullopt;
    }
    return marks.trace();
}

} // namespace

const char* verdictText(Verdict v) {
    switch (v) {
    case Verdict::Ok:
        return "OK!!";
    case Verdict::Not:
        return "NOT";
    case Verdict::Timeout:
        return "timeout";
    }
    return "NOT";
}

int32_t lineDoneTime(const LinePlanes& start, const FastRule& rule, int32_t limit) {
    LinePlanes p = start;
    for (int32_t t = 1; t <= limit; ++t) {
        p = rule.next(p);
        if (p.c == 0 && t > 1) return t;
    }
    return -1;
}

LineITrace traceLineI(const LinePlanes& start, const FastRule& rule, int32_t doneTime) {
    return *trace(start, rule, doneTime, nullptr);
}

Verdict traceVerdict(const LinePlanes& start, const FastRule& rule, int32_t doneTime,
                     ParticleRowsByNeed& model) {
    const std::optional<LineITrace> t = trace(start, rule, doneTime, &model);
    return t ? judgeTrace(*t, model.all(), doneTime).verdict : Verdict::Not;
}

LineVerdict judgeTrace(const LineITrace& trace, const ParticleRows& model, int32_t endStep) {
    LineVerdict v;
    v.endStep = endStep;
    // Without a drawn C the marks are empty, and so is the model: line I was
    // all A. Any K then gives the same verdict.
    const int32_t last = std::min<int32_t>(std::max(trace.lastRow, 0), markRows - 1);
    for (int32_t r = 0; r <= std::min(last, particleRows - 1); ++r) {
        const CellBits differ = trace.marks[r] ^ model[r];
        if (differ == 0) continue;
        v.verdict = Verdict::Not;
        v.row = r;
        v.column = lowestCell(differ);
        return v;
    }
    // Past row 20 the model is empty: any mark up to K differs.
    if (trace.lateRow >= 0 && trace.lateRow <= last) {
        v.verdict = Verdict::Not;
        v.row = trace.lateRow;
        v.column = lowestCell(trace.lateCells);
    }
    return v;
}

int32_t trialEnd(int32_t t1, int32_t t2, int32_t stepLimit) {
    if (t1 < 0 || t2 < 0) return -1;
    const int32_t end = std::max({t1, t2, int32_t{3}});
    return end <= stepLimit ? end : -1;
}

LinePlanes startPlanesI(CellBits bCells, int32_t length) {
    const CellBits cells = cellsOf(length);
    return LinePlanes{0, bCells & cells, ~bCells & cells};
}

LinePlanes startPlanesII(CellBits bCells, int32_t length) {
    const CellBits cells = cellsOf(length);
    return LinePlanes{0, ~bCells & cells, bCells & cells};
}

LineVerdict lineVerdict(CellBits bCells, int32_t length, const VerdictRule& rule) {
    const int32_t n = boundedLength(length);
    const FastRule fast(n, rule.borderMode != 0, rule.mask);
    const LinePlanes one = startPlanesI(bCells, n);
    const int32_t t1 = lineDoneTime(one, fast, rule.stepLimit);
    const int32_t t2 = lineDoneTime(startPlanesII(bCells, n), fast, rule.stepLimit);
    const int32_t end = trialEnd(t1, t2, rule.stepLimit);
    if (end < 0) return LineVerdict{Verdict::Timeout, -1, -1, -1};
    return judgeTrace(traceLineI(one, fast, t1), particleRowsOf(one.b, n), end);
}

CellBits bCellsOf(const Line& line, int32_t length) {
    CellBits bits = 0;
    for (int i = 0; i < boundedLength(length); ++i)
        if (line[i] == B) bits |= CellBits{1} << i;
    return bits;
}

Line lineOfBCells(CellBits bCells, int32_t length) {
    Line line{};
    line.fill(A);
    for (int i = 0; i < boundedLength(length); ++i)
        if ((bCells >> i) & 1) line[i] = B;
    return line;
}

} // namespace rca
