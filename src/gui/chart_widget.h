#pragma once
// Widgets for the core's panels and charts.
#include "forms/controls.h"
#include "gui/control_widgets.h"

namespace rcagui {

ControlWidget makePanel(rca::Panel& p, QWidget* parent);
// Drawn with Qt Charts; a burst of added points is drawn once, after it.
// The axes carry the chart's titles; whole-number values get whole-number
// ticks.
ControlWidget makeChart(rca::Chart& c, QWidget* parent);

// A tick interval of 1, 2 or 5 times a power of ten that cuts `span` into at
// most six parts.
double wholeTickStep(double span);

} // namespace rcagui
