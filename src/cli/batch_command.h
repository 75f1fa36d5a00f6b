#pragma once
// `rcalab-cli batch`: the workbench's batch mode from the command line.
#include "script/exit_codes.h"
#include "engine/headless_batch.h"
#include "headless/batch_configs.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {


// `args` are the words after "batch"; the batch stops between trials once
// `*stop` is true. Returns the exit code.
int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop = nullptr);

} // namespace rca
