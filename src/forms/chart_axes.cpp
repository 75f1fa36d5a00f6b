#include "forms/chart_axes.h"

#include "forms/form.h"

#include <map>
#include <string_view>

namespace rca {

AxisTitles axisTitles(const Chart& chart) {
    static const std::map<std::string_view, AxisTitles> table = {
        // Show RCA: uses of the rule entries along a row and a column.
        {"TForm6.Chart1", {"column", "uses"}},
        {"TForm6.Chart2", {"row", "uses"}},
        // Explore CHANGE: one row of the change matrix.
        {"TForm10.Chart5", {"column", "change"}},
        {"TForm10.Chart6", {"column", "change"}},
        // T6 Graf: the recorded curves and phase series by point.
        {"TForm14.Chart1", {"point", "value"}},
        {"TForm14.Chart2", {"point", "value"}},
    };
    const std::string key = (chart.form() ? chart.form()->name() : "") + "." + chart.name();
    const auto it = table.find(key);
    return it == table.end() ? AxisTitles{} : it->second;
}

} // namespace rca
