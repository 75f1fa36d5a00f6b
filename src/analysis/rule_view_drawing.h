#pragma once
// Paints the rule view onto its window's surface: the entries of the RCA
// table, the grid lines, the two weight profiles and the marks of the rows
// and columns the charts show.
#include "analysis/rule_table_edits.h"
#include "analysis/rule_view_state.h"
#include "forms/canvas.h"

namespace rca {

constexpr uint32_t ruleCyan = 0xFFFF00;    // fixed entries
constexpr uint32_t ruleOlive = 0x008080;   // rule bit set
constexpr uint32_t ruleProfile = 0x008000; // weight profiles, the first chart series

struct RuleViewPaint {
    bool erase = true;          // fill the grid and bands with the face colour first
    bool intervalMarks = false; // red marks of counts in the highlighted interval
};

void paintRuleView(Canvas& canvas, const RcaTable& table, const RuleViewState& s,
                   RuleViewPaint how);

} // namespace rca
