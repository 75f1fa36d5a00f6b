#pragma once
// `rcalab-cli sweep`: one headless batch per configuration of a list, one
// JSON line each, on several threads and, by shards, several processes.
#include "cli/batch_output.h"
#include "cli/sweep_options.h"
#include "cli/sweep_runner.h"
#include "engine/headless_batch.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// Every configuration of the full list, each with its seed.
std::vector<HeadlessBatchConfig> sweepConfigs(const SweepOptions& options);
// One configuration's figures, its place in the full list first.
Report sweepReport(const SweepItem& item, const HeadlessBatchResult& result);
// The threads to run on: as asked, else one per core.
int sweepThreads(const SweepOptions& options);

// `args` are the words after "sweep"; no further configuration starts, and
// running ones stop between trials, once `*stop` is true; a failed write sets
// it too. Returns the exit code (exit_codes.h).
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop = nullptr);

} // namespace rca
