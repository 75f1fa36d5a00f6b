#pragma once
// The headless batch with several trials side by side in the lanes of
// vector registers: set-ups drawn in trial order, each lane refilled with
// the next trial when its own ends, results checked in trial order. Gives
// the scalar path's numbers exactly. Lines of up to 42 cells fill 64-bit
// lanes, longer ones 128-bit lanes; a line holding a foreign value runs its
// trial on the scalar path.
#include "engine/headless_batch.h"

namespace rca {

// `path` is Avx2 or Avx512 and supported by the processor.
HeadlessBatchResult runLaneBatch(LanePath path, const HeadlessBatchConfig& config,
                                 const HeadlessBatchControl& control);

} // namespace rca
