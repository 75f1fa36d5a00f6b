#pragma once
// Geometry, view settings and mark grids of the space-time picture.
#include "state/cell.h"

namespace rca {

constexpr int markRows = 1024;
// Rows at this step time and later are not drawn.
constexpr int32_t pictureRowLimit = 10000;
using MarkGrid = std::array<std::array<uint8_t, maxLineCells>, markRows>;

struct PictureState {
    int32_t cellWidth = 30, cellHeight = 30;
    int32_t pictureLeft = 300, pictureTop = 0;
    int32_t clockOrigin = 0;
    int32_t sideShift = 350;
    int32_t riseRows = 0;
    MarkGrid markAI{}, markBI{}, markCI{}, markAII{}, markBII{}, markCII{};
    int32_t lastCRowI = 0;
    // Plot helper transform.
    int32_t offsetX = 0, offsetY = 0;
    double zoom = 1.0;
    int32_t originX = 0, originY = 0;
    double scaleX = 0.8, scaleY = 0.8;
};

} // namespace rca
