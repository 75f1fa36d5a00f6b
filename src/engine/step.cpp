#include "engine/step.h"

#include <algorithm>

namespace rca {

namespace {

constexpr int circleDistances = 11;
constexpr int frozenDistances = 6;

bool activated(const Line& in, int i, int length, bool circle, const NeighbourMask& mask) {
    const int distances = circle ? circleDistances : frozenDistances;
    for (int d = 1; d <= distances; ++d) {
        int left = i - d, right = i + d;
        if (circle) {
            left = ((left % length) + length) % length;
            right = right % length;
        }
        if (mask.left[d] && left >= 0 && in[left] == C) return true;
        if (mask.right[d] && right < length && in[right] == C) return true;
    }
    return false;
}

void accumulate(const Line& line, int length, CellInts& clock, CellInts& drift) {
    for (int i = 0; i < length; ++i) {
        bool isA = line[i] == A;
        clock[i] += isA ? 2 : 1;
        drift[i] += isA ? 2 : -1;
    }
}

void markDone(const Line& line, int32_t stepTime, int32_t count, uint8_t& done, bool& taken,
              Line& endLine, int32_t& doneTime) {
    if (count != 0 || stepTime <= 1 || done != 0) return;
    if (!taken) {
        endLine = line;
        taken = true;
    }
    done = 1;
    doneTime = stepTime;
}

} // namespace

void stepLineRule(const Line& in, Line& out, int length, bool circle, const NeighbourMask& mask) {
    length = boundedLength(length);
    for (int i = 0; i < length; ++i) {
        switch (in[i]) {
        case C:
            out[i] = B;
            break;
        case B:
            out[i] = activated(in, i, length, circle, mask) ? A : C;
            break;
        case A:
            out[i] = activated(in, i, length, circle, mask) ? C : A;
            break;
        default:
            break; // not a cell state: the buffer keeps its old entry
        }
    }
}

StateCounts countStates(const Line& line, int length) {
    StateCounts n;
    length = boundedLength(length);
    for (int i = 0; i < length; ++i) {
        if (line[i] == C)
            ++n.c;
        else if (line[i] == B)
            ++n.b;
        else if (line[i] == A)
            ++n.a;
    }
    return n;
}

void swapBC(Line& line, int length) {
    length = boundedLength(length);
    for (int i = 0; i < length; ++i) {
        if (line[i] == B)
            line[i] = C;
        else if (line[i] == C)
            line[i] = B;
    }
}

void stepBothLines(EngineState& m) {
    const int L = boundedLength(m.lineLength);
    const bool circle = m.borderMode != 0;

    stepLineRule(m.lineI, m.nextLineI, L, circle, m.neighbourMask);
    std::copy_n(m.nextLineI.begin(), L, m.lineI.begin());
    if (m.lineIDone == 0) accumulate(m.lineI, L, m.cellClockI, m.cellDriftI);

    stepLineRule(m.lineII, m.nextLineII, L, circle, m.neighbourMask);
    std::copy_n(m.nextLineII.begin(), L, m.lineII.begin());
    if (m.lineIIDone == 0) accumulate(m.lineII, L, m.cellClockII, m.cellDriftII);

    m.stepTime += m.reverseMode ? -1 : 1;

    StateCounts one = countStates(m.lineI, L);
    m.countCI = one.c, m.countBI = one.b, m.countAI = one.a;
    markDone(m.lineI, m.stepTime, m.countCI, m.lineIDone, m.endLineITaken, m.endLineI, m.doneTimeI);

    StateCounts two = countStates(m.lineII, L);
    m.countCII = two.c, m.countBII = two.b, m.countAII = two.a;
    markDone(m.lineII, m.stepTime, m.countCII, m.lineIIDone, m.endLineIITaken, m.endLineII,
             m.doneTimeII);
}

} // namespace rca
