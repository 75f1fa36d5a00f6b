#include "cli/sweep_command.h"

#include "cli/batch_command.h"
#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/results_output.h"
#include "cli/subcommands.h"
#include "headless/sweep_options.h"
#include "headless/sweep_runner.h"

#include <iostream>

namespace rca {

namespace {

const char* sweepUsage =
    "usage: rcalab-cli sweep [--masks LIST] [--lengths LIST] [--borders LIST]\n"
    "                        [--configs FILE] [--trials N] [--step-limit N] [--seed S]\n"
    "                        [--threads T] [--shard I/N] [--output FILE]\n"
    "  --masks 0..31x0..31   every left 5-bit number with every right one;\n"
    "                        items separated by ';' may also be single masks (L1,R1,R2).\n"
    "  --lengths 20..40,40..60   --borders circle,frozen\n"
    "  One JSON line per configuration, in list order. See docs/batch.md.\n";

} // namespace

Report sweepReport(const SweepItem& item, const HeadlessBatchResult& result) {
    return reportOf(sweepFigures(item, result));
}

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop) {
    SweepOptions options;
    try {
        if (helpAsked(args)) {
            out << sweepUsage;
            return 0;
        }
        options = parseSweepOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli sweep: " << e.what() << '\n' << sweepUsage;
        return usageExitCode;
    }

    const std::vector<SweepItem> items =
        shardItems(sweepConfigs(options), options.shardIndex, options.shardCount);
    Progress progress(err, "configurations", static_cast<int64_t>(items.size()));
    std::atomic<bool> ownStop{false};
    if (!stop) stop = &ownStop;
    ResultsOutput results(out, options.outputFile);
    int64_t done = 0;
    bool allComplete = true;
    runSweep(items, sweepThreads(options), stop,
             [&](const SweepItem& item, const HeadlessBatchResult& result) {
                 writeJsonLine(results.stream(), sweepReport(item, result));
                 // Lines nobody can read are not worth the hours.
                 if (!results.stream().flush()) stop->store(true);
                 allComplete = allComplete && result.complete;
                 progress.update(++done);
             });
    const bool whole = !stop->load() && allComplete && done == static_cast<int64_t>(items.size());
    const int code = results.finish(whole ? 0 : interruptedExitCode, err, "rcalab-cli sweep");
    if (code == interruptedExitCode)
        err << "rcalab-cli sweep: interrupted after " << done << " of " << items.size()
            << " configurations\n";
    return code;
}

int sweepCommand(int argc, char** argv, std::ostream& out) {
    // argv[0] is "sweep".
    InterruptGuard interrupt;
    return interrupt.exitCode(runSweepCommand(std::vector<std::string>(argv + 1, argv + argc), out,
                                              std::cerr, &interrupt.flag()));
}

} // namespace rca
