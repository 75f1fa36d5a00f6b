#pragma once
// `rcalab-cli batch`: the workbench's batch mode from the command line.
#include "cli/batch_options.h"
#include "cli/batch_start_state.h"
#include "cli/exit_codes.h"
#include "engine/headless_batch.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// The batch the settings describe, from the workbench's start-up state.
HeadlessBatchConfig batchConfig(const BatchSettings& s, const StartUpState& start);

// The batch the options describe: settings, start-up state and seed.
HeadlessBatchConfig batchConfigFor(const BatchOptions& options);

// `args` are the words after "batch"; the batch stops between trials once
// `*stop` is true. Returns the exit code (exit_codes.h).
int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop = nullptr);

} // namespace rca
