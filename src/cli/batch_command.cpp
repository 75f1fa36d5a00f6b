#include "cli/batch_command.h"

#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/subcommands.h"

#include <iostream>

namespace rca {

namespace {

const char* batchUsage =
    "usage: rcalab-cli batch [--trials N] [--length MIN..MAX] [--mask MASK]\n"
    "                        [--border circle|frozen] [--step-limit N] [--seed S]\n"
    "                        [--json | --csv]\n"
    "  MASK is L1,R1,R2 (distances 1..11), LEFT:RIGHT (5-bit numbers) or none.\n"
    "  Lengths are drawn from MIN to MAX-1 (default 20..40). See docs/batch.md.\n";

} // namespace

int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const std::atomic<bool>* stop) {
    BatchOptions options;
    try {
        for (const std::string& a : args)
            if (a == "--help" || a == "-h") {
                out << batchUsage;
                return 0;
            }
        options = parseBatchOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli batch: " << e.what() << '\n' << batchUsage;
        return usageExitCode;
    }

    const HeadlessBatchConfig config = batchConfigFor(options);
    Progress progress(err, "trials", config.trials);
    HeadlessBatchControl control;
    control.stop = stop;
    control.progress = [&progress](int32_t count) { progress.update(count); };
    const HeadlessBatchResult result = runHeadlessBatch(config, control);

    writeReport(out, batchReport(config, result), options.format);
    out.flush();
    if (!result.complete) {
        err << "rcalab-cli batch: interrupted after " << result.stats.trialCount
            << " trials; the counts are partial\n";
        return interruptedExitCode;
    }
    return 0;
}

int batchCommand(int argc, char** argv) {
    // argv[0] is "batch".
    InterruptGuard interrupt;
    return runBatchCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           &interrupt.flag());
}

} // namespace rca
