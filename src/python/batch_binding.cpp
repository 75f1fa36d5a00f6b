// batch() and sweep(): the options of `rcalab-cli batch` / `sweep` as keyword
// arguments, run by the same code, returned as parsed JSON.
#include "bindings.h"
#include "cli/batch_command.h"
#include "cli/sweep_command.h"

#include <functional>
#include <sstream>
#include <stdexcept>

namespace py = pybind11;

namespace rcapy {

namespace {

// step_limit=10 -> "--step-limit", "10"; length=(20, 40) -> "20..40";
// True -> the bare flag; False or None -> left out.
std::vector<std::string> optionWords(const py::kwargs& kw) {
    std::vector<std::string> args;
    for (auto [key, value] : kw) {
        std::string name = py::str(key);
        for (char& c : name)
            if (c == '_') c = '-';
        if (value.is_none() || (py::isinstance<py::bool_>(value) && !value.cast<bool>())) continue;
        args.push_back("--" + name);
        if (py::isinstance<py::bool_>(value)) continue;
        if (py::isinstance<py::tuple>(value) && py::len(value) == 2) {
            auto t = value.cast<py::tuple>();
            args.push_back(std::string(py::str(t[0])) + ".." + std::string(py::str(t[1])));
        } else {
            args.push_back(py::str(value));
        }
    }
    return args;
}

using Runner = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

// Runs without the GIL; an error exit raises with the command's own message.
std::string runJson(const Runner& run, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int code = 0;
    {
        py::gil_scoped_release release;
        code = run(args, out, err);
    }
    if (code != 0) {
        std::string message = err.str();
        while (!message.empty() && message.back() == '\n')
            message.pop_back();
        throw std::runtime_error(message.empty() ? "failed" : message);
    }
    return out.str();
}

py::object parseJson(const std::string& text) {
    return py::module_::import("json").attr("loads")(text);
}

} // namespace

void bindBatch(py::module_& m) {
    m.def(
        "batch",
        [](const py::kwargs& kw) {
            return [&] {
                auto args = optionWords(kw);
                args.push_back("--json");
                return parseJson(runJson(rca::runBatchCommand, args));
            }();
        },
        "batch(*, trials=None, length=None, mask=None, border=None, step_limit=None, seed=None)"
        " -> dict\n\n"
        "One headless batch, as `rcalab-cli batch --json` with the same options\n"
        "(length as (MIN, MAX) or 'MIN..MAX'). Same numbers as the CLI for the same\n"
        "options and seed. Raises RuntimeError with the CLI's message on bad options.");
    m.def(
        "sweep",
        [](const py::kwargs& kw) {
            py::list rows;
            std::istringstream lines(runJson(rca::runSweepCommand, optionWords(kw)));
            for (std::string line; std::getline(lines, line);)
                if (!line.empty()) rows.append(parseJson(line));
            return rows;
        },
        "sweep(*, masks=None, lengths=None, borders=None, trials=None, seed=None, ...)"
        " -> list[dict]\n\n"
        "One headless batch per configuration, as `rcalab-cli sweep` (one JSON line\n"
        "each, one dict each here): every "
        "option of the CLI as a keyword (dashes become underscores).");
}

} // namespace rcapy
