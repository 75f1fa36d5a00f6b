#include "analysis/tform13.h"

#include "analysis/mask_pattern.h"

#include <string>

namespace rca {

TForm13::TForm13() : Form("TForm13", "Is MASK RCA", 560, 280) {
    Label1.place("", {16, 8, 120, 16});
    Label1.setVisible(false);

    // Grey bars around the squares (x 56 .. 121, y 64 .. 145).
    Panel1.place("", {48, 56, 82, 4});
    Panel16.place("", {48, 149, 82, 4});
    Panel17.place("", {48, 56, 4, 97});
    Panel18.place("", {126, 56, 4, 97});

    for (int b = 1; b <= maskBoxes; ++b) {
        const MaskSquare s = maskSquareOf(b);
        squareOf(b).place("", {s.x, s.y, maskSquareSize, maskSquareSize});
    }
    for (int k = 0; k < 4; ++k)
        for (int p = 0; p < k + 2; ++p)
            box(maskBoxRows[k][p]).place("", {340 - 44 * p, 136 - 28 * k, 42, 20});

    for (int i = 0; i < 7; ++i)
        findAs<CheckBox>("CheckBox" + std::to_string(15 + i))
            ->place("", {400, 8 + 24 * i, 150, 20});
    for (int i = 0; i < 8; ++i)
        findAs<Button>("Button" + std::to_string(6 + i))->place("", {16 + 30 * i, 190, 24, 24});

    Button5.place("", {16, 236, 80, 26});
    for (int i = 0; i < 5; ++i)
        findAs<Button>("Button" + std::to_string(14 + i))->place("", {260 + 36 * i, 236, 30, 26});
}

Panel& TForm13::squareOf(int box) const {
    return *findAs<Panel>("Panel" + std::to_string(maskSquareOf(box).panel));
}

CheckBox& TForm13::box(int box) const {
    return *findAs<CheckBox>("CheckBox" + std::to_string(box));
}

} // namespace rca
