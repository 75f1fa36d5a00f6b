#pragma once
// Widgets for the core's panels and charts.
#include "forms/controls.h"
#include "gui/control_widgets.h"

namespace rcagui {

ControlWidget makePanel(rca::Panel& p, QWidget* parent);
// Drawn with Qt Charts; a burst of added points is drawn once, after it.
ControlWidget makeChart(rca::Chart& c, QWidget* parent);

} // namespace rcagui
