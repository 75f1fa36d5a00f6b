#include "engine/step.h"

#include "engine/fast_step.h"
#include "state/saturating.h"

#include <algorithm>
#include <limits>

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

// Whether a step could carry some cell past the ends of int: so rare that
// the plain loop below, which vectorises, serves every other step.
bool nearTheEnds(const CellInts& clock, const CellInts& drift, int length) {
    constexpr int32_t top = std::numeric_limits<int32_t>::max() - 1;
    constexpr int32_t bottom = std::numeric_limits<int32_t>::min();
    int near = 0; // an int, not a bool: the loop vectorises
    for (int i = 0; i < length; ++i)
        near |= (clock[i] >= top) | (drift[i] >= top) | (drift[i] == bottom);
    return near != 0;
}

// The counters stop at the ends of int rather than wrap: a script may start
// them anywhere, and a trial that never ends reaches them by itself.
void accumulate(const Line& line, int length, CellInts& clock, CellInts& drift) {
    // A adds 2 to both; anything else adds 1 to the clock and -1 to the drift.
    if (nearTheEnds(clock, drift, length)) {
        for (int i = 0; i < length; ++i) {
            const int32_t isA = line[i] == A;
            clock[i] = saturatingAdd(clock[i], 1 + isA);
            drift[i] = saturatingAdd(drift[i], 3 * isA - 1);
        }
        return;
    }
    for (int i = 0; i < length; ++i) {
        const int32_t isA = line[i] == A;
        clock[i] += 1 + isA;
        drift[i] += 3 * isA - 1;
    }
}

// Step 6: a line is done at the first step after which it has no C, once
// stepTime is above 1.
bool becomesDone(int32_t countC, int32_t stepTime, uint8_t done) {
    return countC == 0 && stepTime > 1 && done == 0;
}

void markDone(const Line& line, int32_t stepTime, int32_t count, uint8_t& done, bool& taken,
              Line& endLine, int32_t& doneTime) {
    if (!becomesDone(count, stepTime, done)) return;
    if (!taken) {
        endLine = line;
        taken = true;
    }
    done = 1;
    doneTime = stepTime;
}

// Steps 6 and 7, from the new counts of both lines.
void recordCounts(EngineState& m, const StateCounts& one, const StateCounts& two) {
    m.countCI = one.c, m.countBI = one.b, m.countAI = one.a;
    markDone(m.lineI, m.stepTime, m.countCI, m.lineIDone, m.endLineITaken, m.endLineI, m.doneTimeI);
    m.countCII = two.c, m.countBII = two.b, m.countAII = two.a;
    markDone(m.lineII, m.stepTime, m.countCII, m.lineIIDone, m.endLineIITaken, m.endLineII,
             m.doneTimeII);
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
    for (int i = 0; i < length; ++i)
        line[i] = swappedBC(line[i]);
}

namespace {

// One line of steps 1 and 3: the per-cell rule into the buffer, then the copy back.
StateCounts stepLinePerCell(Line& line, Line& next, int length, bool circle,
                            const NeighbourMask& mask) {
    stepLineRule(line, next, length, circle, mask);
    std::copy_n(next.begin(), length, line.begin());
    return countStates(line, length);
}

// Steps 1 to 7; `rule` is null for the per-cell path.
void stepBoth(EngineState& m, const FastRule* rule) {
    const int L = boundedLength(m.lineLength);
    const bool circle = m.borderMode != 0;
    auto advance = [&](Line& line, Line& next) {
        StateCounts n;
        if (rule && fastStepLine(*rule, line, next, n)) return n;
        return stepLinePerCell(line, next, L, circle, m.neighbourMask);
    };

    const StateCounts one = advance(m.lineI, m.nextLineI);
    if (m.lineIDone == 0) accumulate(m.lineI, L, m.cellClockI, m.cellDriftI);

    const StateCounts two = advance(m.lineII, m.nextLineII);
    if (m.lineIIDone == 0) accumulate(m.lineII, L, m.cellClockII, m.cellDriftII);

    m.stepTime = saturatingAdd(m.stepTime, m.reverseMode ? -1 : 1);
    recordCounts(m, one, two);
}

} // namespace

void stepBothLines(EngineState& m) {
    const FastRule rule(m.lineLength, m.borderMode != 0, m.neighbourMask);
    stepBoth(m, &rule);
}

void stepBothLinesPerCell(EngineState& m) {
    stepBoth(m, nullptr);
}

namespace {

// Writes what `steps` single steps would have left in one line, its buffer
// and its accumulators; returns its counts.
StateCounts settle(const LinePlanes& p, const CountDigits& aSteps, bool accumulated, int steps,
                   int L, Line& line, Line& next, CellInts& clock, CellInts& drift) {
    unpackLine(p, L, line, next);
    if (accumulated) {
        CellInts a{};
        addCounts(aSteps, L, a);
        for (int i = 0; i < L; ++i) {
            clock[i] = saturatingAdd(clock[i], int64_t{steps} + a[i]);
            drift[i] = saturatingAdd(drift[i], 3 * int64_t{a[i]} - steps);
        }
    }
    return countPlanes(p);
}

LinePlanes laneOf(const auto& p, int i) {
    return LinePlanes{lane(p.c, i), lane(p.b, i), lane(p.a, i)};
}

// The run itself, on both lines as one pair of lanes.
template <class W> int runPairs(EngineState& m, const FastRule& rule, int maxSteps) {
    const int L = rule.length();
    LinePlanes one, two;
    if (!packLine(m.lineI, L, one) || !packLine(m.lineII, L, two)) {
        stepBoth(m, &rule);
        return 1;
    }
    Planes<W> p{pairOf<W>(one.c, two.c), pairOf<W>(one.b, two.b), pairOf<W>(one.a, two.a)};
    const bool accumulatingI = m.lineIDone == 0, accumulatingII = m.lineIIDone == 0;
    const W accumulating =
        pairOf<W>(accumulatingI ? ~CellBits{0} : 0, accumulatingII ? ~CellBits{0} : 0);
    PlaneCounter<W> aSteps; // steps after which each cell was A

    const int direction = m.reverseMode ? -1 : 1;
    int steps = 0;
    while (steps < maxSteps) {
        p = rule.next(p);
        aSteps.add(p.a & accumulating);
        ++steps;
        m.stepTime = saturatingAdd(m.stepTime, direction);
        if (becomesDone(lane(p.c, 0) != 0, m.stepTime, m.lineIDone) ||
            becomesDone(lane(p.c, 1) != 0, m.stepTime, m.lineIIDone))
            break;
    }

    const StateCounts a = settle(laneOf(p, 0), aSteps.laneDigits(0), accumulatingI, steps, L,
                                 m.lineI, m.nextLineI, m.cellClockI, m.cellDriftI);
    const StateCounts b = settle(laneOf(p, 1), aSteps.laneDigits(1), accumulatingII, steps, L,
                                 m.lineII, m.nextLineII, m.cellClockII, m.cellDriftII);
    recordCounts(m, a, b);
    return steps;
}

} // namespace

int runFastSteps(EngineState& m, int maxSteps) {
    maxSteps = std::min(maxSteps, maxPlaneCount);
    if (maxSteps <= 0) return 0;
    const FastRule rule(m.lineLength, m.borderMode != 0, m.neighbourMask);
    return rule.fitsLanePair64() ? runPairs<LanePair64>(m, rule, maxSteps)
                                 : runPairs<CellPair>(m, rule, maxSteps);
}

} // namespace rca
