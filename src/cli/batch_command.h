#pragma once
// `rcalab-cli batch`: the workbench's batch mode from the command line.
#include "cli/batch_options.h"
#include "cli/batch_start_state.h"
#include "engine/headless_batch.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// Exit codes besides 0.
constexpr int usageExitCode = 2;
constexpr int interruptedExitCode = 130;

// The batch the settings describe, from the workbench's start-up state.
HeadlessBatchConfig batchConfig(const BatchSettings& s, const StartUpState& start);

// `args` are the words after "batch". Returns the exit code.
int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rca
