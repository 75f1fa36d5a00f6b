#pragma once
// Cell edits of 'D', 'Make ' and the mouse, and the mouse geometry.
#include "state/cell.h"

#include <optional>

namespace rca {

// 'D' and a mouse press: A becomes B, anything else A.
inline CellState toggleAB(CellState s) {
    return s == A ? B : A;
}

// 'Make ': B becomes A, anything else B.
inline CellState invertToB(CellState s) {
    return s == B ? A : B;
}

// Applies `edit` to cells 0 .. length-1 (bounded to the line).
void editCells(Line& line, int32_t length, CellState (*edit)(CellState));

// The cell a press at (x, y) toggles: only the top band of two rows answers,
// and only columns 0..99 exist. Nothing for any other press.
std::optional<int> pressedCell(int x, int y, int cellWidth, int cellHeight);

// The hidden position labels show trunc((v + 2.5) * 0.2).
int mouseLabelValue(int v);

} // namespace rca
