#pragma once
// The pure steps of the IMPROVE search over an RCA table: which entry comes
// next, flipping its rule bit, the acceptance rule and the snapshot names.
#include "analysis/rule_table_edits.h"
#include "state/rca_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace rca {

using RcaBytes = std::array<uint8_t, rcaTableBytes>;

constexpr int lastEntry = rcaPlane - 1;

// The first entry after `after` that is not fixed; nothing when none is left
// up to 1124. It never wraps onto entry 0.
std::optional<int> nextFreeEntry(const RcaBytes& table, int32_t after);

// Toggles the rule bit of the entry, taken modulo the plane.
void flipRule(RcaBytes& table, int entry);

// An improvement: the trial check ended the run, no earlier than timeCrit.
bool acceptTrial(bool endedByCheck, int32_t criticalValue, int32_t timeCrit);

// "IMPROVE/imp" + the number with at least three digits + ".dat".
std::string snapshotName(int32_t number);

} // namespace rca
