#include "analysis/tform5.h"

#include <string>

namespace rca {

// Rows 1 .. 8 hold 1 .. 8 labels; the 37th sits alone on a ninth row.
TForm5::TForm5() : Form("TForm5", "Show T6", 400, 300) {
    at(LabelTitle, "", 16, 8, 360, 16);
    int n = 0;
    for (int row = 1; n < t6ShownTallies; ++row)
        for (int k = 0; k < row && n < t6ShownTallies; ++k, ++n) {
            tallies[static_cast<size_t>(n)] = &add<Label>("Label" + std::to_string(n + 1), "0");
            at(*tallies[static_cast<size_t>(n)], "", 16 + 40 * k, 8 + 24 * row, 38, 16);
        }
}

} // namespace rca
