#pragma once
// The whole model: one instance per workbench, owned by it and passed by reference.
#include "engine/batch_stats.h"
#include "engine/engine_state.h"
#include "files/square_state.h"
#include "setup/setup_state.h"
#include "view/picture_state.h"
#include "view/results_state.h"
#include "view/theory_state.h"

namespace rca {

struct Model : EngineState,
               BatchStats,
               PictureState,
               ResultsState,
               TheoryState,
               SetupState,
               SquareState {};

} // namespace rca
