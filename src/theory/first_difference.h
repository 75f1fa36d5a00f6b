#pragma once
// Where a "NOT" line's marks first part from the model, without tracing the
// trial to its end in most cases: the verdicts of whole lengths need it for
// every such line.
#include "theory/verdict.h"

namespace rca {

struct MarkDifference {
    int32_t row = -1, column = -1;
};

// The row and column lineVerdict gives a start line (B cells) whose verdict
// is "NOT"; -1, -1 when line I is not done within `stepLimit` steps. Without
// `column` the column may be left at -1, which saves a step for most lines.
MarkDifference firstDifference(CellBits bCells, int32_t length, const FastRule& rule,
                               int32_t stepLimit, bool column = true);

} // namespace rca
