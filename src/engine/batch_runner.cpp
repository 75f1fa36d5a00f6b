#include "engine/batch_runner.h"

#include "engine/random.h"
#include "state/cell.h"

#include <algorithm>

namespace rca {

namespace {

// A B count k >= 2 needs trunc(x * (L / 2)) >= 2 for some x = r / 32768 < 1,
// so L / 2 must be at least 3: with L / 2 = 2 the largest k is 1 and the
// draw would never end. Hence the shortest length is 6, not 4.
constexpr int32_t shortestLength = 6;

} // namespace

BatchTrialDraw drawBatchTrial(uint32_t& randomState, int32_t lengthMin, int32_t lengthMax) {
    // Bounds: the minimum is kept within shortestLength .. 100, and a maximum
    // not above it gives a range of one length (no division by zero); the
    // lengths drawn never leave the 100-cell lines.
    const int32_t lo = std::clamp(lengthMin, shortestLength, maxLineCells);
    const int32_t hi = std::clamp(lengthMax, lo + 1, maxLineCells + 1);

    BatchTrialDraw d;
    d.length = lo + drawRandom(randomState) % (hi - lo);
    const int32_t half = d.length / 2;
    // Terminates: the generator has full period, so its 15 output bits take
    // every value, and r >= 2 * 32768 / half gives k >= 2.
    do {
        const double x = drawRandom(randomState) / 32768.0;
        d.bCount = static_cast<int32_t>(x * half);
    } while (d.bCount < 2);
    return d;
}

} // namespace rca
