#pragma once
// The whole model: one instance per workbench, owned by it and passed by reference.
#include "state/batch_stats.h"
#include "state/engine_state.h"
#include "state/mask_state.h"
#include "state/picture_state.h"
#include "state/rca_state.h"
#include "state/results_state.h"
#include "state/setup_state.h"
#include "state/square_state.h"
#include "state/theory_state.h"

namespace rca {

struct Model : EngineState,
               BatchStats,
               PictureState,
               ResultsState,
               TheoryState,
               SetupState,
               SquareState,
               RcaState,
               MaskState {};

} // namespace rca
