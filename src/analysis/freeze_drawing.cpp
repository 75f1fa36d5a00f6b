#include "analysis/freeze_drawing.h"

#include <algorithm>

namespace rca {

int freezeMaskMaximum(const MaskState& s, MaskExtents e) {
    const auto first = s.freezeMask.begin();
    return std::max<int>(1, e.reach() > 0 ? *std::max_element(first, first + e.reach()) : 1);
}

void drawFrozen(Canvas& c, const MaskState& s, MaskExtents e) {
    const int top = freezeMaskMaximum(s, e);
    c.fillRect(0, 0, 670, 670, clBtnFace);
    for (int i = 0; i < e.rows; ++i)
        for (int j = 0; j < e.cols; ++j) {
            const uint32_t g =
                s.freezeMask[static_cast<size_t>(i + j)] * 255u / static_cast<uint32_t>(top + 1);
            c.fillRect(5 * j, 5 * i, 5 * j + 5, 5 * i + 5, g | g << 8 | g << 16);
        }
}

} // namespace rca
