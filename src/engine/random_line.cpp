#include "engine/random_line.h"

#include "engine/random.h"

#include <algorithm>

namespace rca {

namespace {

void fillA(Line& line, int length) {
    std::fill_n(line.begin(), length, A);
}

// Draws `count` positions into `list`; with no cell to draw from, none.
int32_t drawInto(uint32_t& state, int32_t length, int32_t count,
                 std::array<int16_t, maxPoints>& list) {
    if (length <= 0) return 0;
    const int32_t n = boundedPointCount(count);
    for (int32_t k = 0; k < n; ++k)
        list[k] = static_cast<int16_t>(drawRandom(state) % length);
    return n;
}

void place(Line& line, const std::array<int16_t, maxPoints>& list, int32_t count, CellState s) {
    for (int32_t k = 0; k < boundedPointCount(count); ++k)
        if (list[k] >= 0 && list[k] < maxLineCells) line[list[k]] = s;
}

} // namespace

int32_t boundedPointCount(int32_t count) {
    return std::clamp(count, 0, maxPoints);
}

void resetTrialMarkers(EngineState& m) {
    m.doneTimeI = m.doneTimeII = 0;
    m.endLineITaken = m.endLineIITaken = false;
    m.lineIDone = m.lineIIDone = 0;
    m.stepTime = 0;
    m.pressCount = -17;
}

void resetTrialRunState(EngineState& m) {
    const int n = boundedLength(m.lineLength);
    for (CellInts* a : {&m.cellDriftI, &m.cellDriftII, &m.cellClockI, &m.cellClockII})
        std::fill_n(a->begin(), n, 0);
    resetTrialMarkers(m);
}

void clearMarkGrids(PictureState& p, int32_t length) {
    const int n = boundedLength(length);
    for (MarkGrid* g : {&p.markAI, &p.markBI, &p.markCI, &p.markAII, &p.markBII, &p.markCII})
        for (auto& row : *g)
            std::fill_n(row.begin(), n, 0);
}

void fillLineIWithA(EngineState& m) {
    fillA(m.lineI, boundedLength(m.lineLength));
}

void drawPointLists(EngineState& m, SetupState& s) {
    const int32_t length = boundedLength(m.lineLength);
    s.cPositionCount = drawInto(m.randomState, length, m.cPointCount, s.cPositions);
    s.bPositionCount = drawInto(m.randomState, length, m.bPointCount, s.bPositions);
}

void placePointLists(EngineState& m, const SetupState& s) {
    const int n = boundedLength(m.lineLength);
    fillA(m.lineI, n);
    fillA(m.nextLineI, n);
    place(m.lineI, s.cPositions, s.cPositionCount, C);
    // The C cells are discarded again: a set-up line holds only A and B.
    fillA(m.lineI, n);
    fillA(m.nextLineI, n);
    place(m.lineI, s.bPositions, s.bPositionCount, B);
}

void mirrorIntoLineII(EngineState& m) {
    const int n = boundedLength(m.lineLength);
    for (int i = 0; i < n; ++i) {
        if (m.lineI[i] == A)
            m.lineII[i] = B;
        else if (m.lineI[i] == B)
            m.lineII[i] = A;
    }
}

void deriveTrialLines(EngineState& m) {
    m.startLineI = m.lineI;
    mirrorIntoLineII(m);
}

void drawRandomLine(EngineState& m, SetupState& s) {
    fillLineIWithA(m);
    drawPointLists(m, s);
    placePointLists(m, s);
    deriveTrialLines(m);
}

} // namespace rca
