// The results panel, the trial check, the batch statistics and the
// 'Test (1,1)' trials 'G' and 'Gd'.
#include "engine/batch_stats_commands.h"
#include "engine/trial_check.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/trial_setup.h"
#include "view/results_panel.h"

#include <initializer_list>

namespace rca {

namespace {

// The fixed test trials run on a mask of left 1 and right 1 only.
void useNearestMask(MainControls& f) {
    for (int d = 1; d <= maxDistance; ++d) {
        f.maskLeft[d]->setChecked(d == 1);
        f.maskRight[d]->setChecked(d == 1);
    }
}

void testTrial(Bench& wb, std::initializer_list<int> bCells) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    useNearestMask(f);
    f.RadioGroup12.setItemIndex(0); // 'Prediction' "Yes"
    f.CheckBox33.setChecked(false); // the clock view
    trialResetSteps2to8(wb, 350);
    resetResults(wb);
    wb.run("Button8Click");
    wb.run("DrawGuideGrid");
    m.bPositionCount = 0;
    for (int cell : bCells)
        m.bPositions[m.bPositionCount++] = static_cast<int16_t>(cell);
    // Only the list count changes: bPointCount stays what 'NB=' holds, so the
    // next 'Random' still places that many B cells.
    finishTrialSetup(wb);
}

void registerResultFields(Bench& wb) {
    Model& m = wb.model();
    Fields& f = wb.fields();
    for (auto [name, v] : {std::pair{"endsDisjoint", &m.endsDisjoint},
                           {"endFlipsStart", &m.endFlipsStart},
                           {"bothDoneAt3", &m.bothDoneAt3},
                           {"matchAIIvsCI", &m.matchAIIvsCI},
                           {"matchCIIvsAI", &m.matchCIIvsAI},
                           {"matchCIvsBI", &m.matchCIvsBI},
                           {"matchCIIvsBII", &m.matchCIIvsBII}})
        f.add(name, v);
    for (auto [name, v] : {std::pair{"failCount1", &m.failCount1},
                           {"failCount2", &m.failCount2},
                           {"failCount3", &m.failCount3}})
        f.add(name, v);
}

} // namespace

void registerResults(Bench& wb) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    wb.commands().add("resetResults", [w] { resetResults(*w); });
    wb.commands().add("evaluateTrial", [w] { evaluateTrial(*w); });
    define(wb, f.Button93, "Click", [w] { testTrial(*w, {0, 1, 2, 7}); });
    define(wb, f.Button101, "Click", [w] { testTrial(*w, {3, 4, 5, 6, 8, 9, 10}); });
    registerBatchStats(wb);
    registerResultFields(wb);
}

} // namespace rca
