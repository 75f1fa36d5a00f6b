#include "cli/verdicts_command.h"
#include "state/version.h"

#include "cli/batch_command.h"
#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/subcommands.h"
#include "headless/verdicts_runner.h"

#include <fstream>
#include <iostream>

namespace rca {

namespace {

const char* verdictsUsage =
    "usage: rcalab-cli verdicts --length MIN..MAX (--all | --trials N [--seed S] [--bcount K])\n"
    "                           [--mask MASK] [--border circle|frozen] [--step-limit N]\n"
    "                           [--threads N] [--shard I/N] [--cases FILE] [--json]\n"
    "  The theory check's verdict (\"OK!!\", \"NOT\" or timeout) of every start line of\n"
    "  lengths MIN .. MAX-1: --all enumerates the 2^L lines of A and B cells, --trials\n"
    "  draws N as 'Random' does with K B draws (default 8). One line per length.\n"
    "  --cases writes every NOT and timeout line as a JSON line. See docs/verdicts.md.\n";

Report tallyReport(const VerdictsOptions& o, const LengthTally& t) {
    Report r;
    auto number = [&r](const char* name, int64_t v) {
        r.push_back({name, std::to_string(v), false});
    };
    number("length", t.length);
    number("lines", t.lines);
    number("ok", t.ok);
    number("not", t.notOk);
    number("timeout", t.timeout);
    number("steps", t.steps);
    r.push_back({"mask", maskText(o.rule.mask), true});
    r.push_back({"border", o.rule.borderMode == 0 ? "frozen" : "circle", true});
    number("stepLimit", o.rule.stepLimit);
    r.push_back({"source", o.all ? "all" : "trials", true});
    if (!o.all) {
        number("bCount", o.bCount);
        r.push_back(
            {"seed", o.seed ? std::optional(std::to_string(*o.seed)) : std::nullopt, false});
    }
    if (o.shardCount > 1)
        r.push_back(
            {"shard", std::to_string(o.shardIndex) + "/" + std::to_string(o.shardCount), true});
    // Last: the counts lead every line, and a figure can be traced to its program.
    r.push_back({"version", programVersion, true});
    return r;
}

std::string percent(int64_t part, int64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %%", whole > 0 ? 100.0 * part / whole : 0.0);
    return text;
}

void writeTallyText(std::ostream& out, const LengthTally& t) {
    out << "L=" << t.length << ": " << t.lines << " lines, OK!! " << t.ok << " ("
        << percent(t.ok, t.lines) << "), NOT " << t.notOk << " (" << percent(t.notOk, t.lines)
        << "), timeout " << t.timeout << ", " << t.steps << " steps\n";
}

} // namespace

int runVerdictsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    VerdictsOptions options;
    try {
        for (const std::string& a : args)
            if (a == "--help" || a == "-h") {
                out << verdictsUsage;
                return 0;
            }
        options = parseVerdictsOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli verdicts: " << e.what() << '\n' << verdictsUsage;
        return usageExitCode;
    }
    std::ofstream cases;
    if (!options.casesFile.empty()) {
        cases.open(options.casesFile, std::ios::trunc);
        if (!cases) {
            err << "rcalab-cli verdicts: cannot write " << options.casesFile << '\n';
            return usageExitCode;
        }
    }

    InterruptGuard interrupt;
    Progress progress(err, "lines", verdictLineCount(options));
    VerdictsSink sink;
    sink.length = [&](const LengthTally& t) {
        if (options.json)
            writeJsonLine(out, tallyReport(options, t));
        else
            writeTallyText(out, t);
        out.flush();
    };
    if (cases.is_open()) sink.onCase = [&](const VerdictCase& c) { cases << caseLine(c) << '\n'; };
    sink.progress = [&](int64_t done) { progress.update(done); };
    const bool complete = runVerdicts(options, &interrupt.flag(), sink);
    if (cases.is_open()) cases.flush();
    if (cases.is_open() && !cases) {
        err << "rcalab-cli verdicts: writing " << options.casesFile << " failed\n";
        return 1;
    }
    if (!complete) {
        err << "rcalab-cli verdicts: interrupted; the counts cover the lines judged\n";
        return interruptedExitCode;
    }
    return 0;
}

int verdictsCommand(int argc, char** argv) {
    // argv[0] is "verdicts".
    return runVerdictsCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}

} // namespace rca
