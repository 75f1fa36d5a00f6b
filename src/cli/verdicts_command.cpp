#include "cli/verdicts_command.h"
#include "state/version.h"

#include "cli/batch_command.h"
#include "cli/batch_interrupt.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/results_output.h"
#include "cli/subcommands.h"
#include "headless/command_options.h"
#include "headless/verdicts_runner.h"
#include "io/checked_output.h"
#include "theory/case_npy.h"

#include <iostream>

namespace rca {

namespace {

const char* verdictsUsage =
    "usage: rcalab-cli verdicts --length MIN..MAX (--all | --trials N [--seed S] [--bcount K])\n"
    "                           [--mask MASK] [--border circle|frozen] [--step-limit N]\n"
    "                           [--threads N] [--shard I/N] [--cases FILE]\n"
    "                           [--cases-of ok,not,timeout] [--json] [--output FILE]\n"
    "  The theory check's verdict (\"OK!!\", \"NOT\" or timeout) of every start line of\n"
    "  lengths MIN .. MAX-1: --all enumerates the 2^L lines of A and B cells, --trials\n"
    "  draws N as 'Random' does with K B draws (default 8). One line per length.\n"
    "  --cases writes every NOT and timeout line (--cases-of: those verdicts) as a JSON\n"
    "  line, or as NumPy records when FILE ends in .npy. See docs/verdicts.md.\n";

// The cases file in either format.
class CasesFile {
  public:
    explicit CasesFile(const std::string& file) {
        if (isNpyName(file))
            npy_ = std::make_unique<NpyCasesWriter>(file);
        else
            jsonl_ = CheckedOutput::writing(file);
    }
    bool failed() const { return npy_ ? npy_->failed() : jsonl_->failed(); }
    bool add(const VerdictCase& c) {
        if (npy_) return npy_->add(c);
        return static_cast<bool>(jsonl_->stream() << caseLine(c) << '\n');
    }
    int finish(int code, std::ostream& err) {
        if (jsonl_) return outputExitCode(*jsonl_, code, err, "rcalab-cli verdicts");
        if (npy_->finish().empty()) return code;
        err << "rcalab-cli verdicts: " << npy_->problem() << '\n';
        return writeFailedExitCode;
    }

  private:
    std::unique_ptr<CheckedOutput> jsonl_;
    std::unique_ptr<NpyCasesWriter> npy_;
};

std::string jsonList(const std::vector<int64_t>& counts) {
    std::string out = "[";
    for (size_t k = 0; k < counts.size(); ++k) {
        if (k) out += ',';
        out += std::to_string(counts[k]);
    }
    return out + "]";
}

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
    r.push_back({"notByRow", jsonList(t.notByRow), false});
    r.push_back({"okByB", jsonList(t.okByB), false});
    r.push_back({"endStepsLog2", jsonList(t.endStepsLog2), false});
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
    // A merge of shards must not take a length cut short for a whole one.
    r.push_back({"complete", t.complete ? "true" : "false", false});
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
        << "), timeout " << t.timeout << ", " << t.steps << " steps"
        << (t.complete ? "" : " (interrupted: partial)") << '\n';
}

} // namespace

int runVerdictsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       std::atomic<bool>* stop) {
    VerdictsOptions options;
    try {
        if (helpAsked(args)) {
            out << verdictsUsage;
            return 0;
        }
        options = parseVerdictsOptions(args);
    } catch (const UsageError& e) {
        err << "rcalab-cli verdicts: " << e.what() << '\n' << verdictsUsage;
        return usageExitCode;
    }
    std::unique_ptr<CasesFile> cases;
    if (!options.casesFile.empty()) {
        cases = std::make_unique<CasesFile>(options.casesFile);
        if (cases->failed()) return cases->finish(0, err);
    }

    std::atomic<bool> ownStop{false};
    if (!stop) stop = &ownStop;
    ResultsOutput results(out, options.outputFile);
    Progress progress(err, "lines", verdictLineCount(options),
                      options.all ? "use a shorter --length, or --trials" : "use fewer --trials");
    VerdictsSink sink;
    sink.length = [&](const LengthTally& t) {
        if (options.json)
            writeJsonLine(results.stream(), tallyReport(options, t));
        else
            writeTallyText(results.stream(), t);
        if (!results.stream().flush()) stop->store(true);
    };
    if (cases)
        sink.onCase = [&](const VerdictCase& c) {
            if (!cases->add(c)) stop->store(true);
        };
    sink.progress = [&](int64_t done) { progress.update(done); };
    const bool complete = runVerdicts(options, stop, sink);
    int code = complete ? 0 : interruptedExitCode;
    if (cases) code = cases->finish(code, err);
    code = results.finish(code, err, "rcalab-cli verdicts");
    if (code == interruptedExitCode)
        err << "rcalab-cli verdicts: interrupted; the counts cover the lines judged\n";
    return code;
}

int verdictsCommand(int argc, char** argv, std::ostream& out) {
    // argv[0] is "verdicts".
    InterruptGuard interrupt;
    return interrupt.exitCode(runVerdictsCommand(std::vector<std::string>(argv + 1, argv + argc),
                                                 out, std::cerr, &interrupt.flag()));
}

} // namespace rca
