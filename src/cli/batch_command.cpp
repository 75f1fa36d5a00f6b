#include "cli/batch_command.h"

#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/results_output.h"
#include "cli/subcommands.h"
#include "headless/command_options.h"

#include <iostream>

namespace rca {

namespace {

const char* batchUsage =
    "usage: rcalab-cli batch [--trials N] [--length MIN..MAX] [--mask MASK]\n"
    "                        [--border circle|frozen] [--step-limit N] [--seed S]\n"
    "                        [--json | --csv] [--output FILE]\n"
    "  MASK is L1,R1,R2 (distances 1..11), LEFT:RIGHT (5-bit numbers) or none.\n"
    "  Lengths are drawn from MIN to MAX-1 (default 20..40). See docs/batch.md.\n";

} // namespace

int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    std::atomic<bool>* stop) {
    BatchOptions options;
    try {
        if (helpAsked(args)) {
            out << batchUsage;
            return 0;
        }
        options = parseBatchOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli batch: " << e.what() << '\n' << batchUsage;
        return usageExitCode;
    }

    const HeadlessBatchConfig config = batchConfigFor(options);
    Progress progress(err, "trials", config.trials, "use fewer --trials");
    HeadlessBatchControl control;
    control.stop = stop;
    control.progress = [&progress](int32_t count) { progress.update(count); };
    const HeadlessBatchResult result = runHeadlessBatch(config, control);

    ResultsOutput results(out, options.outputFile);
    writeReport(results.stream(), batchReport(config, result), options.format);
    const int code =
        results.finish(result.complete ? 0 : interruptedExitCode, err, "rcalab-cli batch");
    if (code == interruptedExitCode)
        err << "rcalab-cli batch: interrupted after " << result.stats.trialCount
            << " trials; the counts are partial\n";
    return code;
}

int batchCommand(int argc, char** argv, std::ostream& out) {
    // argv[0] is "batch".
    InterruptGuard interrupt;
    return interrupt.exitCode(runBatchCommand(std::vector<std::string>(argv + 1, argv + argc), out,
                                              std::cerr, &interrupt.flag()));
}

} // namespace rca
