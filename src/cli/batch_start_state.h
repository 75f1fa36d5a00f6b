#pragma once
// What a batch takes from the workbench as it opens: the generator state
// right after start-up, and the start-up mask and border.
#include "state/engine_state.h"

#include <cstdint>

namespace rca {

struct StartUpState {
    uint32_t randomState = 1;
    NeighbourMask mask;
    int32_t borderMode = 1;
};

// Builds a workbench and runs its start-up, in a scratch folder so that the
// start-up's square-file write cannot touch the user's files.
StartUpState workbenchStartUpState();

} // namespace rca
