#include "theory/theory_model.h"

#include <algorithm>

namespace rca {

namespace {

bool movingRight(int16_t v) {
    return v == theoryRight || v == theoryPair;
}
bool movingLeft(int16_t v) {
    return v == theoryLeft || v == theoryPair;
}

bool rowInside(int r) {
    return r >= 0 && r < markRows;
}
bool nextRowInside(int r) {
    return r >= 0 && r + 1 < markRows;
}

} // namespace

int theoryRingSize(int32_t squareCols, int32_t lineLength) {
    if (squareCols > 0) return std::min<int32_t>(squareCols, maxLineCells);
    return boundedLength(lineLength);
}

int wrapColumn(int c, int ring) {
    if (c < 0) return c + ring;
    if (c > ring - 1) return c % ring;
    return c;
}

void theoryReset(TheoryState& t, const Line& line, int length) {
    const int n = boundedLength(length);
    for (int r = 0; r < markRows; ++r)
        for (int i = 0; i < n; ++i) {
            t.theoryGrid[r][i] = theoryEmpty;
            t.theoryNonzero[r][i] = 0;
        }
    for (int i = 0; i < n; ++i) {
        t.theoryGrid[0][i] = line[i] == A ? theoryEmpty : theoryPair;
        t.collisionFlags[i] = 0;
    }
}

void theoryMarkers(TheoryState& t, int r, int length, int ring) {
    if (!rowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    auto& row = t.theoryGrid[r];
    for (int i = 0; i < n; ++i)
        t.theoryMarks[r][i] = 0;
    for (int i = 0; i < n; ++i)
        if (movingRight(row[wrapColumn(i - 1, ring)]) && movingLeft(row[i]))
            t.theoryMarks[r][i] = 1;
}

void theoryAnnihilate(TheoryState& t, int r, int length, int ring) {
    if (!rowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    auto& row = t.theoryGrid[r];
    for (int i = 0; i < n; ++i) {
        if (t.theoryMarks[r][i] == 0) continue;
        int16_t& b = row[wrapColumn(i - 1, ring)];
        int16_t& a = row[i];
        // Each test sees what the previous ones left.
        if (b == theoryRight && a == theoryLeft) b = theoryEmpty, a = theoryEmpty;
        if (b == theoryPair && a == theoryLeft) b = theoryLeft, a = theoryEmpty;
        if (b == theoryRight && a == theoryPair) b = theoryEmpty, a = theoryRight;
        if (b == theoryPair && a == theoryPair) b = theoryLeft, a = theoryRight;
    }
}

void theoryFillGaps(TheoryState& t, int r, int length, int ring) {
    if (!rowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    auto& row = t.theoryGrid[r];
    const auto& marks = t.theoryMarks[r];
    for (int i = 0; i < n; ++i)
        if ((marks[i] == 1 || marks[wrapColumn(i + 1, ring)] == 1) && row[i] == theoryEmpty)
            row[i] = theoryRing;
}

void theoryCollide(TheoryState& t, int r, int length, int ring) {
    if (!rowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    const auto& row = t.theoryGrid[r];
    for (int i = 0; i < n; ++i)
        t.collisionFlags[i] = 0;
    for (int i = 0; i < n; ++i) {
        if (!movingRight(row[wrapColumn(i - 1, ring)]) || !movingLeft(row[wrapColumn(i + 1, ring)]))
            continue;
        if (nextRowInside(r)) t.theoryGrid[r + 1][i] = theoryRing;
        t.collisionFlags[i] = 1;
    }
}

void theoryMove(TheoryState& t, int r, int length, int ring) {
    if (!nextRowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    const auto& row = t.theoryGrid[r];
    auto& next = t.theoryGrid[r + 1];
    for (int i = 0; i < n; ++i) {
        const int left = wrapColumn(i - 1, ring), right = wrapColumn(i + 1, ring);
        if (movingLeft(row[i]) && t.collisionFlags[left] == 0) next[left] = theoryLeft;
        if (movingRight(row[i]) && t.collisionFlags[right] == 0) next[right] = theoryRight;
    }
}

void theoryRings(TheoryState& t, int r, int length, int ring) {
    if (!nextRowInside(r) || ring <= 0) return;
    const int n = boundedLength(length);
    for (int i = 0; i < n; ++i)
        if (t.theoryGrid[r][i] == theoryRing) t.theoryGrid[r + 1][i] = theoryPair;
}

void theoryRunRow(TheoryState& t, int r, int length, int ring) {
    theoryMarkers(t, r, length, ring);
    theoryAnnihilate(t, r, length, ring);
    theoryFillGaps(t, r, length, ring);
    theoryCollide(t, r, length, ring);
    theoryMove(t, r, length, ring);
    theoryRings(t, r, length, ring);
}

void theoryRunCheck(TheoryState& t, int length, int ring) {
    for (t.theoryRow = 0; t.theoryRow < theoryCheckRows; ++t.theoryRow)
        theoryRunRow(t, t.theoryRow, length, ring);
    theoryFillNonzero(t, length);
}

void theoryFillNonzero(TheoryState& t, int length) {
    const int n = boundedLength(length);
    for (int r = 0; r < markRows; ++r)
        for (int i = 0; i < n; ++i)
            t.theoryNonzero[r][i] = t.theoryGrid[r][i] != theoryEmpty ? 1 : 0;
}

bool theoryMatchesMarks(const TheoryState& t, const MarkGrid& markCI, int32_t lastRow, int length) {
    const int n = boundedLength(length);
    const int last = std::min<int32_t>(lastRow, markRows - 1);
    for (int r = 0; r <= last; ++r)
        for (int i = 0; i < n; ++i)
            if (markCI[r][i] != t.theoryNonzero[r][i]) return false;
    return true;
}

} // namespace rca
