#pragma once
// The theory check's verdict for one start line, without the window: the
// trial set up with 'L=' = its length, the given mask and border, one step
// per press, the clock view and 'Prediction' "Yes", run until it ends.
// "OK!!" or "NOT" as Label57 would show, or a timeout when the trial has
// not ended within the step limit.
#include "engine/fast_step.h"
#include "theory/particle_rows.h"

#include <cstdint>

namespace rca {

enum class Verdict : uint8_t { Ok, Not, Timeout };

// "OK!!", "NOT", "timeout".
const char* verdictText(Verdict v);

struct VerdictRule {
    NeighbourMask mask = [] { // the start-up mask: left 1, right 1, right 2
        NeighbourMask m;
        m.left[1] = m.right[1] = m.right[2] = true;
        return m;
    }();
    int32_t borderMode = 1; // 0 is Frozen A, anything else Circle
    int32_t stepLimit = 1000000;
};

struct LineVerdict {
    Verdict verdict = Verdict::Ok;
    int32_t endStep = -1; // the stepTime at which the trial ended; -1 on a timeout
    // The first mark-grid row (then column) where markCI and the model
    // differ within the rows the check compares; -1 when they agree.
    int32_t row = -1, column = -1;
};

// The steps after which a line first has no C with stepTime > 1 (its done
// time), or -1 when that takes more than `limit` steps.
int32_t lineDoneTime(const LinePlanes& start, const FastRule& rule, int32_t limit);

// What the clock view records of line I over the steps it draws with C
// cells (steps 1 .. doneTime - 1, below stepTime 10000).
struct LineITrace {
    ParticleRows marks{};   // markCI rows 0..20
    int32_t lastRow = -1;   // lastCRowI after the trial; -1 when no C was drawn
    int32_t lateRow = -1;   // the first markCI row in 21..1023 holding a mark
    CellBits lateCells = 0; // the marks of that row
};

// Line I stepped `doneTime` times from `start`, with its clocks.
LineITrace traceLineI(const LinePlanes& start, const FastRule& rule, int32_t doneTime);

// The verdict alone, from the same trace, stopped at the first mark that
// the model lacks in a row the check surely compares: K is at least the
// clock row of step doneTime - 1.
Verdict traceVerdict(const LinePlanes& start, const FastRule& rule, int32_t doneTime,
                     ParticleRowsByNeed& model);

// The check's comparison of the trace with the model rows.
LineVerdict judgeTrace(const LineITrace& trace, const ParticleRows& model, int32_t endStep);

// The end of a trial whose lines are done at t1 and t2 (-1: not within
// the limit): both done and stepTime > 2; -1 past the limit.
int32_t trialEnd(int32_t t1, int32_t t2, int32_t stepLimit);

// The whole verdict of a start line of A and B cells, given as its B cells
// (bit i: cell i is B). A trial set-up never leaves a C in line I.
LineVerdict lineVerdict(CellBits bCells, int32_t length, const VerdictRule& rule);

// A line's B cells (bit i for cell i), and the all-A line with those B cells.
CellBits bCellsOf(const Line& line, int32_t length);
Line lineOfBCells(CellBits bCells, int32_t length);

// Line I and line II of the trial that starts from these B cells.
LinePlanes startPlanesI(CellBits bCells, int32_t length);
LinePlanes startPlanesII(CellBits bCells, int32_t length);

} // namespace rca
