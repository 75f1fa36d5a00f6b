#pragma once
// `rcalab-cli batch`: the workbench's batch mode from the command line.
#include "engine/headless_batch.h"
#include "headless/batch_configs.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// Exit codes besides 0.
constexpr int usageExitCode = 2;
constexpr int interruptedExitCode = 130;

// `args` are the words after "batch"; the batch stops between trials once
// `*stop` is true. Returns the exit code.
int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>* stop = nullptr);

} // namespace rca
