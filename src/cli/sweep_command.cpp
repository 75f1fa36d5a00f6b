#include "cli/sweep_command.h"

#include "cli/batch_command.h"
#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/subcommands.h"
#include "cli/sweep_options.h"
#include "cli/sweep_runner.h"

#include <iostream>
#include <thread>

namespace rca {

namespace {

const char* sweepUsage =
    "usage: rcalab-cli sweep [--masks LIST] [--lengths LIST] [--borders LIST]\n"
    "                        [--configs FILE] [--trials N] [--step-limit N] [--seed S]\n"
    "                        [--threads T] [--shard I/N]\n"
    "  --masks 0..31x0..31   every left 5-bit number with every right one;\n"
    "                        items separated by ';' may also be single masks (L1,R1,R2).\n"
    "  --lengths 20..40,40..60   --borders circle,frozen\n"
    "  One JSON line per configuration, in list order. See docs/batch.md.\n";

std::vector<HeadlessBatchConfig> configsOf(const SweepOptions& o, const StartUpState& start) {
    std::vector<HeadlessBatchConfig> all;
    for (size_t i = 0; i < o.configs.size(); ++i) {
        HeadlessBatchConfig c = batchConfig(o.configs[i], start);
        // From the index in the full list: the same whatever the threads and shards.
        if (o.seed) seedBatch(c, derivedSeed(*o.seed, i));
        all.push_back(c);
    }
    return all;
}

int threadCount(const SweepOptions& o) {
    if (o.threads > 0) return o.threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

} // namespace

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SweepOptions options;
    try {
        for (const std::string& a : args)
            if (a == "--help" || a == "-h") {
                out << sweepUsage;
                return 0;
            }
        options = parseSweepOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli sweep: " << e.what() << '\n' << sweepUsage;
        return usageExitCode;
    }

    const std::vector<SweepItem> items = shardItems(configsOf(options, workbenchStartUpState()),
                                                    options.shardIndex, options.shardCount);
    InterruptGuard interrupt;
    Progress progress(err, "configurations", static_cast<int64_t>(items.size()));
    int64_t done = 0;
    bool allComplete = true;
    runSweep(items, threadCount(options), &interrupt.flag(),
             [&](const SweepItem& item, const HeadlessBatchResult& result) {
                 Report r = batchReport(item.config, result);
                 r.insert(r.begin(), ReportField{"index", std::to_string(item.index), false});
                 writeJsonLine(out, r);
                 out.flush();
                 allComplete = allComplete && result.complete;
                 progress.update(++done);
             });
    if (interrupt.interrupted() || !allComplete || done < static_cast<int64_t>(items.size())) {
        err << "rcalab-cli sweep: interrupted after " << done << " of " << items.size()
            << " configurations\n";
        return interruptedExitCode;
    }
    return 0;
}

int sweepCommand(int argc, char** argv) {
    // argv[0] is "sweep".
    return runSweepCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

} // namespace rca
