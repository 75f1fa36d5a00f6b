#pragma once
// Verdicts of many start lines of one length at once: the done times of
// both lines of every trial in vector lanes, and the clock-view trace only
// for the few trials short enough to need it.
#include "engine/lane_path.h"
#include "theory/done_time_table.h"
#include "theory/verdict.h"

#include <cstddef>
#include <vector>

namespace rca {

// The done time of each start line (-1 past `limit`), as lineDoneTime gives
// it, on the given path; lines too long for a lane, and paths the processor
// lacks, run on the scalar path.
void lineDoneTimes(LanePath path, const FastRule& rule, bool circle, const LinePlanes* starts,
                   size_t count, int32_t limit, int32_t* out);

struct VerdictEnd {
    Verdict verdict = Verdict::Ok;
    int32_t endStep = -1; // -1 on a timeout
};

// From done time 43 on, line I has a C at step 42, whose mark lies past the
// model's last row and within the rows compared: the verdict is "NOT".
constexpr int32_t surelyNotFrom = 2 * particleRows + 1;

class VerdictBatch {
  public:
    VerdictBatch(int32_t length, const VerdictRule& rule, LanePath path);

    // The verdict and end step of each start line (B cells, as lineVerdict
    // takes them), equal to lineVerdict's; with `mirrorOut`, also those of
    // each line's mirror (A and B swapped) at little more cost, since line II
    // of a trial is line I of its mirror's trial.
    void run(const CellBits* bCells, size_t count, VerdictEnd* out,
             VerdictEnd* mirrorOut = nullptr);

    // The same as run, with the done times looked up in `times` (of this
    // length and rule) instead of stepped.
    void run(const CellBits* bCells, size_t count, VerdictEnd* out, const DoneTimeTable& times);

    // On the Circle, where turning the ring keeps both done times: every
    // line of the classes whose least turns are `least` (each its class's
    // least member, as isLeastTurn finds it), each class's lines in turn
    // order, with their verdicts; the done times are stepped once a class.
    void runClasses(const CellBits* least, size_t count, std::vector<CellBits>& lines,
                    std::vector<VerdictEnd>& out);

  private:
    VerdictEnd judge(CellBits bCells, const LinePlanes& one, int32_t t1, int32_t t2);

    int32_t length_;
    VerdictRule rule_;
    LanePath path_;
    FastRule fast_;
    std::vector<LinePlanes> starts_;
    std::vector<int32_t> doneTimes_;
};

} // namespace rca
