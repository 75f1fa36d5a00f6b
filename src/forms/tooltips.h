#pragma once
// What a newcomer sees when hovering over a control: what it does, its
// component name and the script line that reaches it. The descriptions are
// one table (tooltip_table.cpp); the rest is derived from the control.
#include "forms/controls.h"

#include <map>
#include <string>
#include <string_view>

namespace rca {

// The descriptions, "TFormN.Name" -> one line.
const std::map<std::string_view, std::string_view>& tooltipTable();

// The table's one-line description, keyed "TFormN.Name"; "" when it has none.
std::string controlDescription(const std::string& form, const std::string& name);

// The script line that acts on or reads the control: "click TForm6.Button14",
// "type Edit1 …", "select RadioGroup2 N", "print Label33".
std::string scriptLine(const Control& c);

// "Random — a new random trial · Button58 · click Button58". Controls whose
// caption is a value (edits, labels, status bars) or that have none leave it
// out; a control missing from the table still gets its name and script line.
std::string tooltip(const Control& c);

// Whether the table must describe the control: shown now (it and its group
// boxes are visible) and not a timer or a menu separator.
bool needsTooltip(const Control& c);

} // namespace rca
