#pragma once
// What every path of the headless batch shares: the model a batch starts
// from, one trial's set-up and the reseeds.
#include "engine/headless_batch.h"
#include "model/model.h"

#include <functional>
#include <memory>

namespace rca {

// The model as the workbench has it after clicking 'Timer10': settings from
// the configuration, counters and tallies cleared.
std::unique_ptr<Model> batchModel(const HeadlessBatchConfig& c);

// Timer10Timer and 'Random', without the controls, picture and square file.
void setUpTrial(Model& m);

// The generator state a reseed at the given trial count sets.
std::function<uint32_t(int32_t trialCount)> batchReseed(const HeadlessBatchConfig& c);

} // namespace rca
