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

// Builds a workbench and runs its start-up without a working folder, so
// that the start-up's square-file write touches no file and several threads
// may do this at once.
StartUpState workbenchStartUpState();

} // namespace rca
