// verdicts(): `rcalab-cli verdicts` from Python, one dict per length with the
// counts and, on request, the NOT and timeout lines as NumPy arrays.
#include "bindings.h"
#include "cli/batch_options.h"
#include "cli/verdicts_runner.h"
#include "watched_call.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <map>
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

// (20, 40) or "20..40".
std::string lengthText(const py::object& v) {
    if (py::isinstance<py::tuple>(v) && py::len(v) == 2) {
        const auto t = v.cast<py::tuple>();
        return std::string(py::str(t[0])) + ".." + std::string(py::str(t[1]));
    }
    return py::str(v);
}

py::list verdicts(const py::object& length, bool all, std::optional<int64_t> trials,
                  std::optional<int64_t> seed, std::optional<int64_t> bcount,
                  std::optional<std::string> mask, std::optional<std::string> border,
                  std::optional<int64_t> stepLimit, std::optional<int64_t> threads,
                  std::optional<std::string> shard, bool cases) {
    std::vector<std::string> args = {"--length", lengthText(length)};
    if (all) args.push_back("--all");
    addOption(args, "--trials", trials);
    addOption(args, "--seed", seed);
    addOption(args, "--bcount", bcount);
    addOption(args, "--mask", mask);
    addOption(args, "--border", border);
    addOption(args, "--step-limit", stepLimit);
    addOption(args, "--threads", threads);
    addOption(args, "--shard", shard);
    rca::VerdictsOptions options;
    try {
        options = rca::parseVerdictsOptions(args);
    } catch (const rca::UsageError& e) {
        throw py::value_error(e.what());
    }
    std::map<int32_t, LengthResult> results;
    rca::VerdictsSink sink;
    sink.length = [&](const rca::LengthTally& t) { results[t.length].tally = t; };
    if (cases)
        sink.onCase = [&](const rca::VerdictCase& c) { results[c.length].cases.push_back(c); };
    // Watched like the batches: Ctrl-C stops it and raises KeyboardInterrupt.
    std::atomic<bool> stop{false};
    if (auto raised = runWatched([&] { rca::runVerdicts(options, &stop, sink); }, stop))
        throw *raised;
    py::list out;
    for (const auto& [length, r] : results)
        out.append(lengthDict(r, cases));
    return out;
}

} // namespace

void bindVerdicts(py::module_& m) {
    m.def("verdicts", &verdicts, py::arg("length"), py::kw_only(), py::arg("all") = false,
          py::arg("trials") = py::none(), py::arg("seed") = py::none(),
          py::arg("bcount") = py::none(), py::arg("mask") = py::none(),
          py::arg("border") = py::none(), py::arg("step_limit") = py::none(),
          py::arg("threads") = py::none(), py::arg("shard") = py::none(), py::arg("cases") = false,
          "verdicts(length, *, all=False, trials=None, seed=None, bcount=None, mask=None,\n"
          "         border=None, step_limit=None, threads=None, shard=None, cases=False)\n"
          "    -> list[dict]\n\n"
          "The theory check's verdicts as `rcalab-cli verdicts` counts them, one dict per\n"
          "length ((MIN, MAX) or 'MIN..MAX': lengths MIN .. MAX-1): length, lines, ok, not, "
          "timeout,\n"
          "steps. With cases=True also the NOT and timeout lines: case_lines (uint8\n"
          "array, one row per line, cells 1 = B and 2 = A), case_verdicts, and\n"
          "case_end_steps, case_rows, case_columns (int32, -1 where there is none).\n"
          "Bad options raise ValueError with the CLI's message.");
}

} // namespace rcapy
