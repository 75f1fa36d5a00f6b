#pragma once
// The batch mode's settings edits, counters and hidden display.
namespace rca {

class Bench;

// The hidden edits Edit26..Edit29 and the batch counters as model values.
void registerBatchStats(Bench& wb);

// Writes the batch display into its hidden labels.
void writeBatchDisplay(Bench& wb);

} // namespace rca
