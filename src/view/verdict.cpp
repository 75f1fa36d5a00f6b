#include "view/verdict.h"

#include "view/picture.h"

#include <algorithm>

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

// One drawn step of line I in the clock view: a C mark at row clock / 2 for
// every C cell, and lastCRowI from the last of them in index order.
void recordCMarks(LineITrace& t, CellBits cCells, const CellInts& clock) {
    if (cCells == 0) return;
    t.lastRow = clock[highestCell(cCells)] / 2;
    for (CellBits rest = cCells; rest != 0; rest &= rest - 1) {
        const int i = lowestCell(rest);
        const int32_t row = clock[i] / 2;
        const CellBits bit = CellBits{1} << i;
        if (row < particleRows) {
            t.marks[row] |= bit;
        } else if (row < markRows && (t.lateRow < 0 || row <= t.lateRow)) {
            if (row < t.lateRow) t.lateCells = 0;
            t.lateRow = row;
            t.lateCells |= bit;
        }
    }
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
    LineITrace trace;
    CellInts clock{};
    const int n = rule.length();
    LinePlanes p = start;
    // The done step itself has no C, and the steps after it are not drawn.
    const int32_t last = std::min(doneTime - 1, pictureRowLimit - 1);
    for (int32_t t = 1; t <= last; ++t) {
        p = rule.next(p);
        for (int i = 0; i < n; ++i)
            clock[i] += 1 + static_cast<int32_t>((p.a >> i) & 1);
        recordCMarks(trace, p.c, clock);
    }
    return trace;
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
