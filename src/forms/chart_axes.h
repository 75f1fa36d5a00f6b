#pragma once
// What the axes of each chart measure, one table keyed "TFormN.ChartN", as
// the tooltips are: the charts' own declarations stay as the windows have them.
#include "forms/controls.h"

#include <string>

namespace rca {

struct AxisTitles {
    std::string x, y;
};

// Empty titles for a chart the table lacks.
AxisTitles axisTitles(const Chart& chart);

} // namespace rca
