// verdicts(): `rcalab-cli verdicts` from Python, one dict per length with the
// counts and, on request, the lines of some verdicts as NumPy arrays.
#include "bindings.h"
#include "headless/batch_options.h"
#include "headless/verdicts_runner.h"
#include "watched_call.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <map>
#include <mutex>
#include <optional>

namespace py = pybind11;

namespace rcapy {

namespace {

template <class T>
void addOption(std::vector<std::string>& args, const char* name, const std::optional<T>& value) {
    if (!value) return;
    args.push_back(name);
    if constexpr (std::is_same_v<T, std::string>)
        args.push_back(*value);
    else
        args.push_back(std::to_string(*value));
}

struct LengthResult {
    rca::LengthTally tally;
    std::vector<rca::VerdictCase> cases;
};

py::dict lengthDict(const LengthResult& r, bool withCases) {
    py::dict d;
    d["length"] = r.tally.length;
    d["lines"] = r.tally.lines;
    d["ok"] = r.tally.ok;
    d["not"] = r.tally.notOk;
    d["timeout"] = r.tally.timeout;
    d["steps"] = r.tally.steps;
    d["notByRow"] = r.tally.notByRow;
    d["okByB"] = r.tally.okByB;
    d["endStepsLog2"] = r.tally.endStepsLog2;
    if (!withCases) return d;
    const auto n = static_cast<py::ssize_t>(r.cases.size());
    const py::ssize_t L = r.tally.length;
    py::array_t<uint8_t> lines({n, L});
    py::array_t<int32_t> ends(n), rows(n), columns(n);
    py::list verdicts;
    auto cells = lines.mutable_unchecked<2>();
    for (py::ssize_t k = 0; k < n; ++k) {
        const rca::VerdictCase& c = r.cases[static_cast<size_t>(k)];
        for (py::ssize_t i = 0; i < L; ++i)
            cells(k, i) = (c.bCells >> i) & 1 ? rca::B : rca::A;
        ends.mutable_at(k) = c.endStep;
        rows.mutable_at(k) = c.row;
        columns.mutable_at(k) = c.column;
        verdicts.append(rca::verdictText(c.verdict));
    }
    d["case_lines"] = lines;
    d["case_verdicts"] = verdicts;
    d["case_end_steps"] = ends;
    d["case_rows"] = rows;
    d["case_columns"] = columns;
    return d;
}

struct VerdictsJob {
    rca::VerdictsOptions options;
    bool cases = false;
    std::mutex mutex; // the lengths are read by the caller while the worker adds
    std::map<int32_t, LengthResult> results;
    std::vector<int32_t> finished;
    std::atomic<int64_t> done{0};
};

using Pair = std::pair<int64_t, int64_t>;

py::object verdicts(const Pair& length, bool all, std::optional<int64_t> trials,
                    std::optional<int64_t> seed, std::optional<int64_t> bcount,
                    std::optional<std::string> mask, std::optional<std::string> border,
                    std::optional<int64_t> stepLimit, std::optional<int64_t> threads,
                    std::optional<Pair> shard, bool cases, std::optional<std::string> casesOf,
                    const py::object& progress, bool checkOnly) {
    std::vector<std::string> args = {"--length", std::to_string(length.first) + ".." +
                                                     std::to_string(length.second)};
    if (all) args.push_back("--all");
    addOption(args, "--trials", trials);
    addOption(args, "--seed", seed);
    addOption(args, "--bcount", bcount);
    addOption(args, "--mask", mask);
    addOption(args, "--border", border);
    addOption(args, "--step-limit", stepLimit);
    addOption(args, "--threads", threads);
    if (shard)
        addOption(args, "--shard",
                  std::optional<std::string>(std::to_string(shard->first) + "/" +
                                             std::to_string(shard->second)));
    auto job = std::make_shared<VerdictsJob>();
    job->cases = cases;
    try {
        job->options = rca::parseVerdictsOptions(args);
        // The CLI's --cases-of needs a file; here the cases come back as arrays.
        if (casesOf) job->options.casesOf = rca::parseCasesOf(*casesOf);
    } catch (const rca::UsageError& e) {
        throw py::value_error(pythonWording(e.what()));
    }
    if (casesOf && !cases)
        throw py::value_error("cases_of picks the lines of cases=True; give cases=True");
    if (checkOnly) return py::none();
    const int64_t total = rca::verdictLineCount(job->options);
    WatchedCall call;
    const std::atomic<bool>* stop = call.stopFlag();
    auto outcome = call.run(
        [job, stop] {
            rca::VerdictsSink sink;
            // Lengths handed over after a stop may have gaps: they are not kept.
            sink.length = [&job, stop](const rca::LengthTally& t) {
                std::lock_guard lock(job->mutex);
                job->results[t.length].tally = t;
                if (!stop->load()) job->finished.push_back(t.length);
            };
            if (job->cases)
                sink.onCase = [&job](const rca::VerdictCase& c) {
                    std::lock_guard lock(job->mutex);
                    job->results[c.length].cases.push_back(c);
                };
            sink.progress = [&job](int64_t lines) { job->done = lines; };
            rca::runVerdicts(job->options, stop, sink);
        },
        progress.is_none()
            ? std::function<void()>()
            : [&progress, &job, total] { progress(std::min(job->done.load(), total), total); });
    if (outcome.abandoned) {
        py::setattr(outcome.raised->value(), "result", py::none());
        throw *outcome.raised;
    }
    py::list out;
    for (int32_t length : job->finished)
        out.append(lengthDict(job->results[length], cases));
    if (outcome.raised) {
        py::setattr(outcome.raised->value(), "result", out);
        throw *outcome.raised;
    }
    return out;
}

} // namespace

void bindVerdicts(py::module_& m) {
    m.def("verdicts", &verdicts, py::arg("length"), py::kw_only(), py::arg("all"),
          py::arg("trials"), py::arg("seed"), py::arg("bcount"), py::arg("mask"), py::arg("border"),
          py::arg("step_limit"), py::arg("threads"), py::arg("shard"), py::arg("cases"),
          py::arg("cases_of"), py::arg("progress"), py::arg("check_only") = false,
          "The verdicts of lengths MIN .. MAX-1 (see rcalab.verdicts).");
}

} // namespace rcapy
