#pragma once
// The batch mode's settings edits, counters and hidden display.
namespace rca {

class Workbench;

// The hidden edits Edit26..Edit29 and the batch counters as model values.
void registerBatchStats(Workbench& wb);

// Writes the batch display into its hidden labels.
void writeBatchDisplay(Workbench& wb);

} // namespace rca
