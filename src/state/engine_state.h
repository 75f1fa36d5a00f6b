#pragma once
// Lines, parameters and run state of the two automata.
#include "state/cell.h"

namespace rca {

constexpr int maxDistance = 11;

struct NeighbourMask {
    // Index 1..11 is the distance; index 0 is unused.
    std::array<bool, maxDistance + 1> left{};
    std::array<bool, maxDistance + 1> right{};
};

struct EngineState {
    Line lineI{}, nextLineI{}, lineII{}, nextLineII{};
    Line startLineI{}, endLineI{}, endLineII{};

    int32_t lineLength = 10;
    int32_t squareRows = 10, squareCols = 10;
    // Item index of the Border group; anything but 0 means Circle. No item at load.
    int32_t borderMode = -1;
    NeighbourMask neighbourMask = [] {
        NeighbourMask m;
        m.left[1] = m.right[1] = m.right[2] = true;
        return m;
    }();
    int32_t stepsPerPress = 6;
    int32_t stepLimit = 1000000;
    int32_t trialsPerBatch = 1000;
    int32_t batchLengthMin = 20, batchLengthMax = 40;
    int32_t cPointCount = 0;
    int32_t bPointCount = 2;

    int32_t stepTime = 0;
    bool reverseMode = false;
    bool singleStepMode = false;
    int32_t pressCount = -25;
    uint8_t lineIDone = 0, lineIIDone = 0;
    int32_t doneTimeI = 0, doneTimeII = 0;
    bool endLineITaken = false, endLineIITaken = false;
    int32_t countCI = 0, countBI = 0, countAI = 0;
    int32_t countCII = 0, countBII = 0, countAII = 0;
    CellInts cellClockI{}, cellClockII{};
    CellInts cellDriftI{}, cellDriftII{};

    // The shared pseudo-random generator's state; 1 at program start.
    uint32_t randomState = 1;
};

} // namespace rca
