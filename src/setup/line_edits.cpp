#include "setup/line_edits.h"

namespace rca {

void editCells(Line& line, int32_t length, CellState (*edit)(CellState)) {
    const int n = boundedLength(length);
    for (int i = 0; i < n; ++i)
        line[i] = edit(line[i]);
}

std::optional<int> pressedCell(int x, int y, int cellWidth, int cellHeight) {
    // Negative coordinates lie outside the client area; a zero or negative
    // cell width would give no column at all.
    if (x < 0 || y < 0 || cellWidth <= 0) return std::nullopt;
    if (static_cast<int64_t>(y) >= 2 * static_cast<int64_t>(cellHeight)) return std::nullopt;
    const int c = x / cellWidth;
    if (c >= maxLineCells) return std::nullopt;
    return c;
}

int mouseLabelValue(int v) {
    return static_cast<int>((v + 2.5) * 0.2);
}

} // namespace rca
