#pragma once
// The 14-cell mask pattern of the mask test window: which display square
// shows each numbered box, where that square sits, and the stock patterns.
#include <array>
#include <bitset>
#include <initializer_list>
#include <string_view>

namespace rca {

constexpr int maskBoxes = 14;
constexpr int maskSquareSize = 17;

// Boxes by check-box row (bottom first), right to left; 0 ends a row. Row k
// is also square column k, and the place in the row, from the right, the
// square row.
constexpr std::array<std::array<int, 5>, 4> maskBoxRows = {{
    {1, 2, 0, 0, 0},
    {3, 4, 5, 0, 0},
    {6, 7, 8, 11, 0},
    {9, 10, 12, 13, 14},
}};

// Bit b - 1 stands for box b.
using MaskPattern = std::bitset<maskBoxes>;

MaskPattern patternOf(std::initializer_list<int> boxes);

struct MaskSquare {
    int panel;  // the square's panel number
    int column; // counted leftwards from the right edge
    int row;    // counted upwards from the bottom
    int x, y;   // its top-left corner on the window
};

// Box 1 .. 14; any other number throws std::out_of_range.
MaskSquare maskSquareOf(int box);

// A control that puts a whole pattern in place.
struct StockPattern {
    std::string_view control;
    MaskPattern boxes;
    bool isBox; // a preset check box rather than a button
};

const std::array<StockPattern, 15>& stockPatterns();

} // namespace rca
