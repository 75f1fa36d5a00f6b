// Workbench: the whole program after start-up, driven with the script verbs.
// Each method runs one script line, so Python and rcalab-cli share every
// rule and every error message. A workbench owns its folder, its generator,
// its clock and its windows: two of them never meet.
#include "bindings.h"
#include "cli/script.h"
#include "watched_call.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>

namespace py = pybind11;

namespace rcapy {

namespace {

class PyWorkbench {
  public:
    explicit PyWorkbench(const std::optional<std::filesystem::path>& workdir) {
        std::error_code ec;
        if (workdir && !std::filesystem::is_directory(*workdir, ec))
            throw py::value_error("no folder " + workdir->string() +
                                  " (make one with `rcalab-cli init-workdir DIR`)");
        py::gil_scoped_release nogil;
        script_ = std::make_unique<rca::Script>(out_, err_, workdir.value_or(""));
    }

    // A verb may run for long (advance, tick, a batch of steps): it runs
    // watched, so Ctrl-C stops it between ticks and raises KeyboardInterrupt.
    void line(const std::string& text) {
        Busy busy(*this);
        std::atomic<bool> stop{false};
        script_->setStop(&stop);
        std::optional<py::error_already_set> raised;
        try {
            raised = runWatched([&] { script_->runLine(text); }, stop);
        } catch (const std::exception& e) {
            script_->setStop(nullptr);
            throw ScriptError(e.what());
        }
        script_->setStop(nullptr);
        if (raised) throw *raised;
    }

    std::string folder() const { return script_->workbench().workdir().string(); }

    std::string printed(const std::string& name) {
        Busy busy(*this);
        out_.str("");
        try {
            script_->runLine("print " + name);
        } catch (const std::exception& e) {
            throw ScriptError(e.what());
        }
        std::string s = out_.str();
        if (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    }

    py::object get(const std::string& name) {
        rca::Fields& fields = script_->workbench().fields();
        if (int rows = fields.gridRows(name)) {
            py::list out;
            for (int r = 0; r < rows; ++r)
                out.append(valueOf(printed(name + "[" + std::to_string(r) + "]")));
            return py::module_::import("numpy").attr("array")(out);
        }
        return valueOf(printed(name));
    }

    py::array_t<uint8_t> canvas(const std::optional<std::string>& form) {
        Busy busy(*this);
        rca::Form* f = script_->workbench().form(form.value_or("TForm1"));
        if (!f) throw ScriptError("unknown form " + form.value_or("TForm1"));
        if (!f->surface()) throw ScriptError(f->name() + " has no drawing surface");
        const QImage rgb = f->surface()->image().convertToFormat(QImage::Format_RGB888);
        py::array_t<uint8_t> out({rgb.height(), rgb.width(), 3});
        auto px = out.mutable_unchecked<3>();
        for (int y = 0; y < rgb.height(); ++y) {
            const uchar* row = rgb.constScanLine(y);
            for (int x = 0; x < rgb.width(); ++x)
                for (int k = 0; k < 3; ++k)
                    px(y, x, k) = row[3 * x + k];
        }
        return out;
    }

  private:
    // One call at a time: the GIL is let go while a verb runs, and a second
    // thread must not reach the same workbench meanwhile.
    class Busy {
      public:
        explicit Busy(PyWorkbench& w) : lock_(w.busy_, std::try_to_lock) {
            if (!lock_) throw std::runtime_error("this Workbench is busy in another thread");
        }

      private:
        std::unique_lock<std::mutex> lock_;
    };

    // What `print` shows, as Python values: a number, a line of cells as a
    // uint8 array (C = 0, B = 1, A = 2), a row of numbers as an array, else text.
    static py::object valueOf(const std::string& text) {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string w; in >> w;)
            words.push_back(w);
        if (words.size() == 1 && isLine(words[0]) && !isNumber(words[0])) return cells(words[0]);
        if (text.empty() || !allNumbers(words)) return py::str(text);
        std::vector<double> values;
        bool integral = true;
        for (const auto& w : words) {
            values.push_back(std::stod(w));
            integral = integral && w.find_first_of(".eEn") == std::string::npos;
        }
        auto numpy = py::module_::import("numpy");
        if (words.size() == 1)
            return integral ? py::object(py::int_(std::stoll(words[0])))
                            : py::object(py::float_(values[0]));
        return numpy.attr("array")(values, integral ? "int64" : "float64");
    }
    static bool isNumber(const std::string& w) {
        try {
            size_t used = 0;
            std::stod(w, &used);
            return used == w.size();
        } catch (const std::exception&) {
            return false;
        }
    }
    static bool allNumbers(const std::vector<std::string>& words) {
        for (const auto& w : words)
            if (!isNumber(w)) return false;
        return true;
    }
    static bool isLine(const std::string& w) {
        return w.find_first_not_of("CBA") == std::string::npos;
    }
    static py::object cells(const std::string& w) {
        py::array_t<uint8_t> out(static_cast<py::ssize_t>(w.size()));
        auto c = out.mutable_unchecked<1>();
        for (size_t i = 0; i < w.size(); ++i)
            c(static_cast<py::ssize_t>(i)) = w[i] == 'C' ? 0 : w[i] == 'B' ? 1 : 2;
        return out;
    }

    std::ostringstream out_, err_;
    std::unique_ptr<rca::Script> script_;
    std::mutex busy_;
};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

void bindScriptError(py::module_& m) {
    static py::exception<ScriptError> type(m, "ScriptError", PyExc_RuntimeError);
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const ScriptError& e) {
            const std::string text = e.what();
            py::object message = py::reinterpret_steal<py::object>(PyUnicode_DecodeUTF8(
                text.data(), static_cast<py::ssize_t>(text.size()), "replace"));
            PyErr_SetObject(type.ptr(), message.ptr());
        }
    });
}

void bindWorkbench(py::module_& m) {
    using W = PyWorkbench;
    py::class_<W>(m, "Workbench",
                  "The whole workbench after start-up, as rcalab-cli starts it: every form\n"
                  "built, FormShow run, the first random trial set up. The verbs are those\n"
                  "of rcalab-cli scripts (docs/scripting.md); errors raise rcalab.ScriptError\n"
                  "(a RuntimeError) with the CLI's message. Every file the workbench reads or\n"
                  "writes lies in its own folder; the process's current directory is never\n"
                  "changed. Long verbs stop on Ctrl-C with KeyboardInterrupt.")
        .def(py::init<std::optional<std::filesystem::path>>(), py::arg("workdir") = py::none(),
             "Starts a workbench over the folder `workdir` (default: the current directory\n"
             "as the workbench starts).")
        .def_property_readonly("workdir", &W::folder, "The workbench's folder, absolute.")
        .def(
            "type",
            [](W& w, const std::string& c, const std::string& t) {
                w.line("type " + c + " " + quoted(t));
            },
            py::arg("control"), py::arg("text"), "The user types text into an edit field.")
        .def(
            "click", [](W& w, const std::string& c) { w.line("click " + c); }, py::arg("control"),
            "Clicks a button, check box or menu item ('Button58', 'TForm6.Button14').")
        .def(
            "check",
            [](W& w, const std::string& c, bool on) { w.line("check " + c + (on ? " 1" : " 0")); },
            py::arg("control"), py::arg("on"), "Sets a check box (as a click) or a menu mark.")
        .def(
            "select",
            [](W& w, const std::string& c, int i) {
                w.line("select " + c + " " + std::to_string(i));
            },
            py::arg("control"), py::arg("item"), "Selects item (from 0) of a radio group.")
        .def(
            "updown",
            [](W& w, const std::string& c, bool up, long long n) {
                w.line("updown " + c + (up ? " up " : " down ") + std::to_string(n));
            },
            py::arg("control"), py::arg("up") = true, py::arg("times") = 1,
            "Presses an up-down arrow.")
        .def(
            "call", [](W& w, const std::string& h) { w.line("call " + h); }, py::arg("handler"),
            "Runs a command by name ('Button2Click', 'TForm6.FormShow').")
        .def(
            "tick",
            [](W& w, const std::string& t, long long n) {
                w.line("tick " + t + " " + std::to_string(n));
            },
            py::arg("timer"), py::arg("times") = 1, "Delivers timer ticks.")
        .def(
            "advance", [](W& w, long long ms) { w.line("advance " + std::to_string(ms)); },
            py::arg("ms"),
            "Moves virtual time on, delivering every due tick in order. Ctrl-C stops it\n"
            "after the current tick (the clock stays there) and raises KeyboardInterrupt.")
        .def(
            "mouse",
            [](W& w, const std::string& kind, int x, int y, const std::string& button,
               const std::string& form) {
                // The workbench refuses coordinates no window system reports.
                w.line("mouse " + kind + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                       button + " " + form);
            },
            py::arg("kind"), py::arg("x"), py::arg("y"), py::arg("button") = "left",
            py::arg("form") = "TForm1", "A mouse event: kind is 'down', 'up' or 'move'.")
        .def(
            "answer",
            [](W& w, const std::optional<std::string>& path) {
                w.line("answer " + path.value_or("cancel"));
            },
            py::arg("path"),
            "The answer to the next file dialog (None cancels it); a relative path lies\n"
            "in the workbench's folder.")
        .def(
            "set",
            [](W& w, const std::string& name, const std::string& value) {
                w.line("set " + name + " " + value);
            },
            py::arg("name"), py::arg("value"), "Writes a model value ('set lineI AAAAC').")
        .def("get", &W::get, py::arg("name"),
             "A model value or control: an int, a float, a str, or a NumPy array (lines as\n"
             "uint8 cells C=0 B=1 A=2 over the line's length, per-cell values and tables\n"
             "as arrays, mark grids as a rows x cells array).")
        .def("canvas", &W::canvas, py::arg("form") = py::none(),
             "The drawing surface of the main window (or of `form`) as H x W x 3 uint8 RGB.");
}

} // namespace rcapy
