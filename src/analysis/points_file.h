#pragma once
// The points file of recorded point sets: whitespace-separated decimal
// integers in records of 17, a leading integer that is ignored and then x
// and y of eight points.
#include "state/setup_state.h"

#include <cstdint>
#include <filesystem>

namespace rca {

constexpr int recordPoints = 8;
constexpr int recordIntegers = 1 + 2 * recordPoints;

struct PointsRead {
    bool opened = false;
    bool negativeRecord = false; // nothing was read
    int coordinates = 0;         // stored, 0 .. 16
    int rejected = 0;            // outside the 16-bit range, left as they were
    bool complete() const { return coordinates + rejected == 2 * recordPoints; }
};

// Reads record `record` (from 0) into bPositions[0..7] (x) and
// bPositionsY[0..7] (y). A coordinate the file does not hold (a short file,
// non-numeric text) leaves its slot as it was; so does one outside the
// 16-bit range. A negative record number reads nothing.
PointsRead readPointsRecord(const std::filesystem::path& file, int32_t record, SetupState& s);

// How many of the first `count` B points lie outside a rows x cols square.
int pointsOutsideSquare(const SetupState& s, int count, int rows, int cols);

} // namespace rca
