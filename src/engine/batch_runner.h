#pragma once
// The random draws of the batch runner's tick (Timer10Timer), apart from the
// controls they are written into.
#include <cstdint>

namespace rca {

struct BatchTrialDraw {
    int32_t length = 0;  // lineLength of the next trial
    int32_t bCount = 0;  // bPointCount of the next trial
};

// Step 1 (length from one draw) and step 3 (B count, drawn until >= 2) of the
// tick, from the shared generator state. Bounds on lengthMin/lengthMax that
// would divide by zero or never find a B count are applied here and
// documented in the implementation.
BatchTrialDraw drawBatchTrial(uint32_t& randomState, int32_t lengthMin, int32_t lengthMax);

} // namespace rca
