#include "analysis/mask_pattern.h"

#include <stdexcept>
#include <string>

namespace rca {

namespace {

constexpr int rightColumnX = 104, bottomRowY = 128, gridStep = 16;

MaskPattern range(int first, int last) {
    MaskPattern p;
    for (int b = first; b <= last; ++b)
        p.set(b - 1);
    return p;
}

} // namespace

MaskPattern patternOf(std::initializer_list<int> boxes) {
    MaskPattern p;
    for (int b : boxes)
        p.set(b - 1);
    return p;
}

MaskSquare maskSquareOf(int box) {
    int panel = 2;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row <= column + 1; ++row, ++panel)
            if (maskBoxRows[column][row] == box)
                return {panel, column, row, rightColumnX - gridStep * column,
                        bottomRowY - gridStep * row};
    throw std::out_of_range("no mask box " + std::to_string(box));
}

const std::array<StockPattern, 15>& stockPatterns() {
    static const std::array<StockPattern, 15> table = {{
        {"CheckBox15", range(1, 14), true},
        {"CheckBox16", range(1, 7), true},
        {"CheckBox17", range(1, 11), true},
        {"CheckBox18", patternOf({9, 10, 12, 13, 14}), true},
        {"CheckBox19", patternOf({1, 2, 3, 5, 6, 9, 11, 14}), true},
        {"CheckBox20", patternOf({3, 4, 5, 9, 10, 12, 13, 14}), true},
        {"CheckBox21", patternOf({1, 3, 4, 5, 6, 9, 10, 12, 13, 14}), true},
        {"Button6", range(1, 12), false},
        {"Button7", range(2, 11), false},
        {"Button8", range(5, 11), false},
        {"Button9", patternOf({6, 7}), false},
        {"Button10", patternOf({8, 10, 14}), false},
        {"Button11", patternOf({1, 3, 4, 6, 9}), false},
        {"Button12", patternOf({2, 3, 5, 6, 7, 9}), false},
        {"Button13", patternOf({6, 7, 8, 14}), false},
    }};
    return table;
}

} // namespace rca
