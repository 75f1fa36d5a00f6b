#include "setup/square_generators.h"

#include "engine/random.h"
#include "engine/random_line.h"

#include <algorithm>

namespace rca {

int boundedSquareExtent(int32_t extent) {
    return std::clamp(extent, 0, squareSide);
}

void setSquareCell(SquareState& q, int64_t index, CellState s) {
    if (index < 0 || index >= static_cast<int64_t>(q.squareField.size())) return;
    q.squareField[static_cast<size_t>(index)] = s;
}

void fillSquareWithA(SquareState& q, int rows, int cols) {
    for (int x = 0; x < rows; ++x)
        for (int y = 0; y < cols; ++y)
            setSquareCell(q, x + y, A);
}

void placeCenterPoint(SquareState& q, SetupState& s, int rows, int cols) {
    s.bPositions[0] = static_cast<int16_t>(cols / 2);
    s.bPositionsY[0] = static_cast<int16_t>(rows / 2);
    s.bPositionCount = 1;
    const int centre = rows / 2 + cols / 2;
    setSquareCell(q, centre, B);
    setSquareCell(q, centre + 1, B);
}

void placeLineCenter(SquareState& q, int rows, int cols) {
    for (int k = 0; k < rows / 2; ++k) {
        setSquareCell(q, rows / 2 + k, C);
        setSquareCell(q, cols / 2 + k + 1, B);
    }
}

void placeLine(SquareState& q, int rows) {
    for (int k = 0; k < rows; ++k) {
        setSquareCell(q, rows / 2 + k, C);
        setSquareCell(q, rows / 2 + k + 1, B);
    }
}

void placeAlternatingCB(SquareState& q, int rows, int32_t count) {
    const int start = 2 * (rows / 2);
    for (int32_t k = 0; k < boundedPointCount(count); ++k)
        setSquareCell(q, start + k, k % 2 == 0 ? C : B);
}

void placeRandomCBPairs(SquareState& q, uint32_t& randomState, int32_t count) {
    for (int32_t k = 0; k < boundedPointCount(count); ++k) {
        const int x = drawRandom(randomState) % squareSide;
        const int y = drawRandom(randomState) % squareSide;
        setSquareCell(q, x + y, C);
        setSquareCell(q, k % 4 < 2 ? x + y + 1 : x + y - 1, B);
    }
}

void randomiseSquareABC(SquareState& q, uint32_t& randomState, int rows, int cols) {
    for (int x = 0; x < rows; ++x)
        for (int y = 0; y < cols; ++y) {
            CellState s = A;
            if (drawRandom(randomState) <= 10000) s = drawRandom(randomState) > 20000 ? B : C;
            setSquareCell(q, x + y, s);
        }
}

void randomiseSquareCells(SquareState& q, uint32_t& randomState, int rows, int cols) {
    for (int x = 0; x < rows; ++x)
        for (int y = 0; y < cols; ++y)
            setSquareCell(q, x + y, static_cast<CellState>(drawRandom(randomState) % 3));
}

void drawSquareCPoints(SetupState& s, uint32_t& randomState, int rows, int cols, int32_t count) {
    s.bPositionCount = 0;
    s.cPositionCount = 0;
    if (rows <= 0 || cols <= 0) return;
    s.cPositionCount = boundedPointCount(count);
    for (int32_t k = 0; k < s.cPositionCount; ++k) {
        s.cPositions[k] = static_cast<int16_t>(drawRandom(randomState) % rows);
        s.cPositionsY[k] = static_cast<int16_t>(drawRandom(randomState) % cols);
    }
}

void placeSquarePoints(SquareState& q, const std::array<int16_t, maxPoints>& xs,
                       const std::array<int16_t, maxPoints>& ys, int32_t count, CellState s) {
    for (int32_t k = 0; k < boundedPointCount(count); ++k)
        setSquareCell(q, int64_t{xs[k]} + ys[k], s);
}

} // namespace rca
