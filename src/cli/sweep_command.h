#pragma once
// `rcalab-cli sweep`: one headless batch per configuration of a list, one
// JSON line each, on several threads and, by shards, several processes.
#include "cli/batch_output.h"
#include "engine/headless_batch.h"
#include "headless/batch_configs.h"
#include "headless/sweep_options.h"
#include "headless/sweep_runner.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// One configuration's figures, its place in the full list first.
Report sweepReport(const SweepItem& item, const HeadlessBatchResult& result);

// `args` are the words after "sweep"; no further configuration starts, and
// running ones stop between trials, once `*stop` is true; a failed write sets
// it too. Returns the exit code (exit_codes.h).
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop = nullptr);

} // namespace rca
