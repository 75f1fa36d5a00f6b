#include "setup/square_update.h"

#include "engine/random_line.h"
#include "setup/square_generators.h"

#include <cstddef>

namespace rca {

void updateSquare(SquareState& q, const MaskState& mask, const SetupState& points, int32_t rows,
                  int32_t cols, SquarePoints which) {
    const int r = boundedSquareExtent(rows), c = boundedSquareExtent(cols);
    for (int x = 0; x < r; ++x)
        for (int y = 0; y < c; ++y)
            if (mask.freezeMask[static_cast<size_t>(x + y)] == 0) {
                setSquareCell(q, x + y, A);
                setSquareCell(q, x + y + 1, A);
            }
    placeSquarePoints(q, points.cPositions, points.cPositionsY, points.cPositionCount, C);
    if (which == SquarePoints::COnly) return;
    for (int32_t k = 0; k < boundedPointCount(points.bPositionCount); ++k) {
        const int64_t at = int64_t{points.bPositions[k]} + points.bPositionsY[k];
        setSquareCell(q, at, B);
        setSquareCell(q, at + 1, B);
    }
}

void fillSquareGrid(SquareState& q, int32_t rows) {
    const int r = boundedSquareExtent(rows);
    for (int x = 0; x < r; ++x)
        for (int y = 0; y < r; ++y)
            setSquareCell(q, int64_t{x} * squareSide + y, A);
}

} // namespace rca
