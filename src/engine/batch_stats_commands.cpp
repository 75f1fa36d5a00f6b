#include "engine/batch_stats_commands.h"

#include "engine/batch_stats_display.h"
#include "engine/number_parse.h"
#include "forms/bench.h"
#include "forms/wiring.h"

namespace rca {

namespace {

// Distances 1..5 of one side as a 5-bit number.
int maskBits(const std::array<CheckBox*, 12>& boxes) {
    int bits = 0;
    for (int d = 1; d <= 5; ++d)
        if (boxes[d]->checked()) bits |= 1 << (d - 1);
    return bits;
}

void registerCounterFields(Bench& wb) {
    BatchStats& s = wb.model();
    for (auto [name, v] : {std::pair{"trialCount", &s.trialCount},
                           {"timeoutCount", &s.timeoutCount},
                           {"zeroDriftCount", &s.zeroDriftCount},
                           {"nonZeroDriftCount", &s.nonZeroDriftCount},
                           {"keptCount", &s.keptCount},
                           {"keptTimeSum", &s.keptTimeSum},
                           {"keptEvenCount", &s.keptEvenCount},
                           {"keptEvenTimeSum", &s.keptEvenTimeSum},
                           {"keptOddCount", &s.keptOddCount},
                           {"keptOddTimeSum", &s.keptOddTimeSum},
                           {"bothThreeCount", &s.bothThreeCount},
                           {"changedEvenCount", &s.changedEvenCount},
                           {"changedEvenTimeSum", &s.changedEvenTimeSum},
                           {"changedOddCount", &s.changedOddCount},
                           {"changedOddTimeSum", &s.changedOddTimeSum},
                           {"drift1Count", &s.drift1Count},
                           {"drift1TimeSum", &s.drift1TimeSum},
                           {"drift2to4Count", &s.drift2to4Count},
                           {"drift2to4TimeSum", &s.drift2to4TimeSum},
                           {"drift5PlusCount", &s.drift5PlusCount},
                           {"drift5PlusTimeSum", &s.drift5PlusTimeSum}})
        wb.fields().add(name, v);
}

} // namespace

void writeBatchDisplay(Bench& wb) {
    MainControls& f = wb.form1();
    const Model& m = wb.model();
    BatchDisplayInputs in{maskBits(f.maskLeft), maskBits(f.maskRight), m.batchLengthMin,
                          m.batchLengthMax};
    for (const auto& [label, text] : batchDisplay(m, in))
        f.label(label).setCaption(text);
}

void registerBatchStats(Bench& wb) {
    MainControls& f = wb.form1();
    Model* m = &wb.model();
    // Any number is stored; the batch runner bounds the length range itself.
    define(wb, f.Edit26, "Change", [m, &f] { m->batchLengthMin = parseNumber(f.Edit26.text()); });
    define(wb, f.Edit27, "Change", [m, &f] { m->batchLengthMax = parseNumber(f.Edit27.text()); });
    define(wb, f.Edit28, "Change", [m, &f] { m->stepLimit = parseNumber(f.Edit28.text()); });
    define(wb, f.Edit29, "Change", [m, &f] { m->trialsPerBatch = parseNumber(f.Edit29.text()); });
    registerCounterFields(wb);
}

} // namespace rca
