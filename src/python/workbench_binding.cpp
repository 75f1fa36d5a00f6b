// Workbench: the whole program after start-up, driven with the script verbs.
// Each method runs one script line, so Python and rcalab-cli share every
// rule and every error message. A workbench owns its folder, its generator,
// its clock and its windows: two of them never meet. rcalab/workbench.py
// puts Python's types and words on top.
#include "bindings.h"
#include "notices.h"
#include "script/script.h"
#include "watched_call.h"

#include <QBuffer>
#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>

namespace py = pybind11;

namespace rcapy {

namespace {

// What a line's worker touches. The worker holds it too, so a line left
// running after Ctrl-C never reaches a workbench that Python has dropped.
struct Core {
    std::ostringstream out, err;
    std::unique_ptr<rca::Script> script;
};

py::object wholeNumber(const std::string& text) {
    return py::module_::import("builtins").attr("int")(text);
}

py::object realNumber(const std::string& text) {
    return py::module_::import("builtins").attr("float")(text);
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

uint8_t cellCode(char letter) {
    return letter == 'C' ? 0 : letter == 'B' ? 1 : 2;
}

py::array_t<uint8_t> cellArray(const std::string& letters) {
    py::array_t<uint8_t> out(static_cast<py::ssize_t>(letters.size()));
    auto c = out.mutable_unchecked<1>();
    for (size_t i = 0; i < letters.size(); ++i)
        c(static_cast<py::ssize_t>(i)) = cellCode(letters[i]);
    return out;
}

py::object numberArray(const std::string& text, bool real) {
    py::list values;
    for (const std::string& w : wordsOf(text))
        values.append(real ? realNumber(w) : wholeNumber(w));
    return py::module_::import("numpy").attr("array")(values, real ? "float64" : "int64");
}

// The printed value as its declared type.
py::object fieldValue(rca::FieldKind kind, bool indexed, const std::string& text) {
    using K = rca::FieldKind;
    switch (kind) {
    case K::Flag:
        return py::bool_(text != "0");
    case K::Whole:
        return wholeNumber(text);
    case K::Real:
        return realNumber(text);
    case K::Cells:
        return indexed ? py::object(py::int_(cellCode(text.empty() ? 'A' : text[0])))
                       : py::object(cellArray(text));
    case K::Wholes:
    case K::Reals:
        if (indexed) return kind == K::Reals ? realNumber(text) : wholeNumber(text);
        return numberArray(text, kind == K::Reals);
    case K::Grid:
        return numberArray(text, false);
    }
    return py::str(text);
}

// A control's state as what it is: a check mark or a running timer as a
// bool, a selection, position or colour as an int, anything else as text.
py::object controlValue(const rca::Control* c, const std::string& text) {
    if (dynamic_cast<const rca::CheckBox*>(c) || dynamic_cast<const rca::MenuItem*>(c) ||
        dynamic_cast<const rca::Timer*>(c))
        return py::bool_(text == "1");
    if (dynamic_cast<const rca::RadioGroup*>(c) || dynamic_cast<const rca::UpDown*>(c) ||
        dynamic_cast<const rca::GroupBox*>(c) || dynamic_cast<const rca::Panel*>(c))
        return wholeNumber(text);
    return py::str(text);
}

std::string numberText(const py::handle& v) {
    if (py::isinstance<py::bool_>(v)) return v.cast<bool>() ? "1" : "0";
    if (py::isinstance<py::int_>(v) || py::hasattr(v, "__index__"))
        return py::str(py::module_::import("operator").attr("index")(v));
    if (py::isinstance<py::float_>(v) || py::hasattr(v, "__float__"))
        return py::repr(py::module_::import("builtins").attr("float")(v));
    throw py::type_error("value must be a str, a number or a sequence of numbers, not " +
                         std::string(py::str(v.get_type().attr("__name__"))));
}

// The text `set` takes for a Python value: letters for a line's cell codes,
// numbers separated by spaces for a row.
std::string valueText(std::optional<rca::FieldKind> kind, const py::object& value) {
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    const bool sequence = py::isinstance<py::sequence>(value) || py::hasattr(value, "__array__");
    if (!sequence && kind == rca::FieldKind::Cells)
        throw py::type_error("a line takes a str of cell letters or a sequence of cells, not " +
                             std::string(py::str(value.get_type().attr("__name__"))));
    if (!sequence) return numberText(value);
    py::list items =
        py::module_::import("builtins")
            .attr("list")(py::hasattr(value, "tolist") ? value.attr("tolist")() : value);
    std::string text;
    for (const py::handle& item : items) {
        if (kind == rca::FieldKind::Cells) {
            if (py::isinstance<py::str>(item)) {
                text += item.cast<std::string>();
                continue;
            }
            const long long code =
                py::module_::import("operator").attr("index")(item).cast<long long>();
            if (code < 0 || code > 2)
                throw py::value_error("a cell is 0 (C), 1 (B) or 2 (A), not " +
                                      std::to_string(code));
            text += "CBA"[code];
        } else {
            if (!text.empty()) text += ' ';
            text += numberText(item);
        }
    }
    return text;
}

class PyWorkbench {
  public:
    PyWorkbench(const std::optional<std::filesystem::path>& workdir, bool confine) {
        std::error_code ec;
        if (workdir && !std::filesystem::is_directory(*workdir, ec))
            throw py::value_error("no folder " + workdir->string() +
                                  " (make one with `rcalab-cli init-workdir DIR`)");
        auto core = std::make_shared<Core>();
        const std::filesystem::path folder = workdir.value_or("");
        // Python code runs with the user's own rights already: outside names
        // are allowed unless the caller confines the workbench.
        rca::ScriptOptions options{!confine, "Python (rcalab.Workbench)",
                                   "rcalab.Workbench(..., confine=False) lets it write there"};
        WatchedCall call;
        WatchOutcome outcome = call.run([core, folder, options] {
            core->script = std::make_unique<rca::Script>(core->out, core->err, folder, options);
        });
        if (outcome.raised) throw *outcome.raised;
        core_ = core;
        deliverNotices(false);
    }

    // A verb may run for long (advance, tick, a batch of steps): it runs
    // watched, so Ctrl-C stops it between ticks and raises KeyboardInterrupt.
    void line(const std::string& text) {
        Busy busy(*this);
        WatchedCall call;
        core_->script->setStop(call.stopFlag());
        const std::shared_ptr<Core> core = core_;
        WatchOutcome outcome;
        try {
            outcome = call.run([core, text] { core->script->runLine(text); });
        } catch (const std::exception& e) {
            core_->script->setStop(nullptr);
            deliverNotices(false);
            throw ScriptError(e.what());
        }
        if (outcome.abandoned) {
            left_ = call;
            throw *outcome.raised;
        }
        core_->script->setStop(nullptr);
        deliverNotices(!outcome.raised);
        if (outcome.raised) throw *outcome.raised;
    }

    std::string folder() const { return core_->script->workbench().workdir().string(); }

    // Reads nothing the workbench changes: kinds are fixed at start-up.
    std::string textFor(const std::string& name, const py::object& value) const {
        return valueText(core_->script->workbench().fields().kind(name), value);
    }

    std::vector<std::string> notices() const { return {notices_.begin(), notices_.end()}; }

    py::object get(const std::string& name) {
        Busy busy(*this);
        rca::Fields& fields = core_->script->workbench().fields();
        const auto kind = fields.kind(name);
        const bool indexed = name.find('[') != std::string::npos;
        if (kind == rca::FieldKind::Grid && !indexed) {
            py::list rows;
            for (int r = 0; r < fields.gridRows(name); ++r)
                rows.append(fieldValue(*kind, true, printed(name + "[" + std::to_string(r) + "]")));
            return py::module_::import("numpy").attr("array")(rows, "int64");
        }
        const std::string text = printed(name);
        if (kind) return fieldValue(*kind, indexed, text);
        return controlValue(control(name), text);
    }

    py::array_t<uint8_t> canvas(const std::optional<std::string>& form) {
        Busy busy(*this);
        const QImage rgb = surface(form).convertToFormat(QImage::Format_RGB888);
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

    py::bytes png(const std::optional<std::string>& form) {
        Busy busy(*this);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!surface(form).save(&buffer, "PNG")) throw ScriptError("cannot encode the picture");
        return py::bytes(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

  private:
    // One call at a time: the GIL is let go while a verb runs, and a second
    // thread must not reach the same workbench meanwhile; nor may any call
    // while a line that Ctrl-C could not stop still runs.
    class Busy {
      public:
        explicit Busy(PyWorkbench& w) : lock_(w.busy_, std::try_to_lock) {
            if (!lock_) throw std::runtime_error("this Workbench is busy in another thread");
            if (!w.left_) return;
            if (!w.left_->finished())
                throw std::runtime_error("this Workbench is still running a call that Ctrl-C "
                                         "could not stop; make a new one");
            w.left_.reset();
            w.core_->script->setStop(nullptr);
            w.deliverNotices(false);
        }

      private:
        std::unique_lock<std::mutex> lock_;
    };

    std::string printed(const std::string& name) {
        core_->out.str("");
        try {
            core_->script->runLine("print " + name);
        } catch (const std::exception& e) {
            throw ScriptError(e.what());
        }
        std::string s = core_->out.str();
        if (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    }

    const rca::Control* control(const std::string& ref) const {
        const size_t dot = ref.find('.');
        rca::Form* f = core_->script->workbench().form(
            dot == std::string::npos ? "TForm1" : ref.substr(0, dot));
        return f ? f->find(dot == std::string::npos ? ref : ref.substr(dot + 1)) : nullptr;
    }

    const QImage& surface(const std::optional<std::string>& form) const {
        rca::Form* f = core_->script->workbench().form(form.value_or("TForm1"));
        if (!f) throw ScriptError("unknown form " + form.value_or("TForm1"));
        if (!f->surface()) throw ScriptError(f->name() + " has no drawing surface");
        return f->surface()->image();
    }

    // The notices the last call left: kept, and handed to Python as
    // warnings; a failed file read or write raises when `mayRaise`.
    void deliverNotices(bool mayRaise) {
        std::vector<std::string> fresh = noticeLines(core_->err.str());
        core_->err.str("");
        for (const std::string& n : fresh) {
            notices_.push_back(n);
            if (notices_.size() > keptNotices) notices_.pop_front();
        }
        raiseNotices(fresh, mayRaise);
    }

    static constexpr size_t keptNotices = 1000;
    std::shared_ptr<Core> core_;
    std::deque<std::string> notices_;
    std::optional<WatchedCall> left_;
    std::mutex busy_;
};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

void bindScriptError(py::module_& m) {
    static py::exception<ScriptError> type(m, "ScriptError", PyExc_RuntimeError);
    type.attr("__doc__") = "A script line that failed: the message is the one rcalab-cli prints\n"
                           "after `line N:`. A RuntimeError.";
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

void bindFolderInUse(py::module_& m) {
    static py::exception<rca::FolderInUse> type(m, "FolderInUseError", PyExc_RuntimeError);
    type.attr("__doc__") =
        "Another program (its process id in `pid`, its name and host in `holder`)\n"
        "holds the working folder. A RuntimeError.";
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const rca::FolderInUse& e) {
            py::object error = py::reinterpret_borrow<py::object>(type.ptr())(e.what());
            error.attr("pid") = e.pid() > 0 ? py::object(py::int_(e.pid())) : py::none();
            error.attr("holder") = e.holder();
            PyErr_SetObject(type.ptr(), error.ptr());
        }
    });
}

void bindWorkbench(py::module_& m) {
    using W = PyWorkbench;
    py::class_<W>(m, "Workbench", "The compiled workbench; use rcalab.Workbench.")
        .def(py::init<std::optional<std::filesystem::path>, bool>(),
             py::arg("workdir") = py::none(), py::arg("confine") = false)
        .def_property_readonly("workdir", &W::folder)
        .def_property_readonly("notices", &W::notices)
        .def("type", [](W& w, const std::string& c,
                        const std::string& t) { w.line("type " + c + " " + quoted(t)); })
        .def("click", [](W& w, const std::string& c) { w.line("click " + c); })
        .def("check",
             [](W& w, const std::string& c, bool on) { w.line("check " + c + (on ? " 1" : " 0")); })
        .def("select", [](W& w, const std::string& c,
                          long long i) { w.line("select " + c + " " + std::to_string(i)); })
        .def("updown",
             [](W& w, const std::string& c, bool up, long long n) {
                 w.line("updown " + c + (up ? " up " : " down ") + std::to_string(n));
             })
        .def("call", [](W& w, const std::string& h) { w.line("call " + h); })
        .def("tick", [](W& w, const std::string& t,
                        long long n) { w.line("tick " + t + " " + std::to_string(n)); })
        .def("advance", [](W& w, long long ms) { w.line("advance " + std::to_string(ms)); })
        .def("mouse",
             [](W& w, const std::string& kind, long long x, long long y, const std::string& button,
                const std::string& form) {
                 // The workbench refuses coordinates no window system reports.
                 w.line("mouse " + kind + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                        button + " " + form);
             })
        .def("answer",
             [](W& w, const std::optional<std::string>& path) {
                 w.line("answer " + path.value_or("cancel"));
             })
        .def("set",
             [](W& w, const std::string& name, const py::object& value) {
                 // Python values become the text `set` reads.
                 w.line("set " + name + " " + w.textFor(name, value));
             })
        .def("get", &W::get)
        .def("canvas", &W::canvas, py::arg("form") = py::none())
        .def("png", &W::png, py::arg("form") = py::none());
}

} // namespace rcapy
