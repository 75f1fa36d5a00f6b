#include "theory/first_difference.h"

#include <algorithm>

namespace rca {

namespace {

// A short trace first: a clock grows by at least 1 a step, so the marks of
// later steps lie at row (steps + 1) / 2 or below and every row above it is
// whole; while line I still has C cells, K covers those rows too.
constexpr int32_t shortTraces[] = {4, 16};

} // namespace

MarkDifference firstDifference(CellBits bCells, int32_t length, const FastRule& rule,
                               int32_t stepLimit) {
    const LinePlanes one = startPlanesI(bCells, length);
    const ParticleRows model = particleRowsOf(one.b, length);
    for (const int32_t steps : shortTraces) {
        if (steps >= stepLimit || lineDoneTime(one, rule, steps) >= 0) break;
        const LineVerdict v = judgeTrace(traceLineI(one, rule, steps + 1), model, steps);
        if (v.verdict == Verdict::Not && v.row < (steps + 1) / 2) return {v.row, v.column};
    }
    const int32_t done = lineDoneTime(one, rule, stepLimit);
    if (done < 0) return {};
    const LineVerdict v = judgeTrace(traceLineI(one, rule, done), model, done);
    return {v.row, v.column};
}

} // namespace rca
