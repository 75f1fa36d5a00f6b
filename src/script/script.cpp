#include "script/script.h"

#include "files/picture_export.h"
#include "io/folder_boundary.h"
#include "script/exit_codes.h"

#include <iostream>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace rca {

namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

// The text after the first `skip` words, without surrounding quotes.
std::string restAfter(const std::string& line, size_t skip) {
    size_t pos = 0;
    for (size_t k = 0; k < skip; ++k) {
        pos = line.find_first_not_of(" \t", pos);
        pos = line.find_first_of(" \t", pos);
        if (pos == std::string::npos) return "";
    }
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) return "";
    std::string rest = line.substr(pos);
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ' || rest.back() == '\t'))
        rest.pop_back();
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    return rest;
}

long long number(const std::string& s, const std::string& what) {
    size_t used = 0;
    long long v = 0;
    try {
        v = std::stoll(s, &used);
    } catch (const std::exception&) {
        throw ScriptError(what + " must be a number, not '" + s + "'");
    }
    if (used != s.size()) throw ScriptError(what + " must be a number, not '" + s + "'");
    return v;
}

// A whole int, refused rather than wrapped.
int coordinate(const std::string& s, const std::string& what) {
    const long long v = number(s, what);
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        throw ScriptError(what + " " + s + " is out of range");
    return static_cast<int>(v);
}

void need(const std::vector<std::string>& w, size_t min, size_t max, const std::string& usage) {
    if (w.size() < min || w.size() > max) throw ScriptError("usage: " + usage);
}

} // namespace

std::vector<std::string> splitCommands(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (char ch : text) {
        if (ch == ';' || ch == '\n') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    out.push_back(cur);
    return out;
}

namespace {

std::filesystem::path absoluteFolder(const std::filesystem::path& workdir) {
    return std::filesystem::absolute(workdir.empty() ? std::filesystem::current_path() : workdir);
}

} // namespace

// The lock comes first: start-up already writes the square slots.
Script::Script(std::ostream& out, std::ostream& err, const std::filesystem::path& workdir,
               ScriptOptions options)
    : out_(out), err_(err), options_(std::move(options)),
      lock_(FolderLock::take(absoluteFolder(workdir), options_.program)),
      host_(std::make_unique<CliHost>(err)), wb_(std::make_unique<Workbench>(host_.get(), workdir)),
      clock_(std::make_unique<VirtualClock>(wb_->timers())) {
    if (!lock_.problem().empty()) host_->message(lock_.problem());
    if (!options_.allowOutside)
        host_->guardSaves([this](const std::string& name) { return outsideRefusal(name); });
    wb_->startUp();
}

std::string Script::outsideRefusal(const std::string& name) const {
    if (options_.allowOutside) return {};
    const PathLead lead = leadOf(wb_->workdir(), wb_->resolve(name));
    if (lead.inside) return {};
    return "refused to write " + name + ": it " + (lead.linked ? "is a link to " : "leads to ") +
           lead.target.string() + (lead.linked && lead.dangling ? " (not there yet)" : "") +
           ", outside the working folder; a script writes only inside it (" + options_.outsideHint +
           ")";
}

Script::~Script() = default;

void Script::setStop(const std::atomic<bool>* stop) {
    stop_ = stop;
    clock_->setStop(stop);
}

int Script::run(const std::vector<std::string>& lines) {
    const int noticesBefore = host_->notices(); // the start-up's are not the script's
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        auto w = words(line);
        if (w.empty() || w[0][0] == '#') continue;
        try {
            execute(w, line);
        } catch (const std::exception& e) {
            err_ << "line " << n + 1 << ": " << e.what() << '\n';
            return usageExitCode;
        }
        if (stop_ && stop_->load()) {
            err_ << "line " << n + 1 << ": interrupted; the rest of the script did not run\n";
            return interruptedExitCode;
        }
    }
    if (const int failed = host_->notices() - noticesBefore) {
        err_ << "rcalab-cli: the script ran to its end, but " << failed
             << (failed == 1 ? " file command" : " file commands")
             << " failed (the notices above)\n";
        return fileCommandsFailedExitCode;
    }
    return 0;
}

void Script::runLine(const std::string& line) {
    auto w = words(line);
    if (w.empty() || w[0][0] == '#') return;
    execute(w, line);
}

Control& Script::control(const std::string& ref) const {
    std::string formName = "TForm1", name = ref;
    if (auto dot = ref.find('.'); dot != std::string::npos) {
        formName = ref.substr(0, dot);
        name = ref.substr(dot + 1);
    }
    Form* form = wb_->form(formName);
    if (!form) throw ScriptError("unknown form " + formName);
    Control* c = form->find(name);
    if (!c) throw ScriptError("unknown control " + ref);
    return *c;
}

Canvas& Script::surface(const std::string& formName) const {
    Form* form = wb_->form(formName);
    if (!form) throw ScriptError("unknown form " + formName);
    if (!form->surface()) throw ScriptError(formName + " has no drawing surface");
    return *form->surface();
}

Timer& Script::timer(const std::string& ref) const {
    auto* t = dynamic_cast<Timer*>(&control(ref));
    if (!t) throw ScriptError(ref + " is not a timer");
    return *t;
}

std::string Script::describe(const std::string& ref) const {
    if (wb_->fields().has(ref)) return wb_->fields().print(ref);
    Control& c = control(ref);
    if (auto* e = dynamic_cast<Edit*>(&c)) return e->text();
    if (auto* b = dynamic_cast<CheckBox*>(&c)) return b->checked() ? "1" : "0";
    if (auto* m = dynamic_cast<MenuItem*>(&c)) return m->checked() ? "1" : "0";
    if (auto* t = dynamic_cast<Timer*>(&c)) return t->isEnabled() ? "1" : "0";
    if (auto* g = dynamic_cast<RadioGroup*>(&c)) return std::to_string(g->itemIndex());
    if (auto* u = dynamic_cast<UpDown*>(&c)) return std::to_string(u->position());
    if (auto* g = dynamic_cast<GroupBox*>(&c)) return std::to_string(g->color());
    if (auto* p = dynamic_cast<Panel*>(&c)) return std::to_string(p->color());
    if (auto* ch = dynamic_cast<Chart*>(&c)) return ch->describe();
    return c.caption();
}

void Script::execute(const std::vector<std::string>& w, const std::string& line) {
    host_->takeRefusal(); // one line's refusal is not the next one's
    const std::string& verb = w[0];
    if (verb == "type") {
        if (w.size() < 2) throw ScriptError("usage: type CONTROL TEXT");
        auto* e = dynamic_cast<Edit*>(&control(w[1]));
        if (!e) throw ScriptError(w[1] + " is not an edit field");
        e->userType(restAfter(line, 2));
    } else if (verb == "click") {
        need(w, 2, 2, "click CONTROL");
        Control& c = control(w[1]);
        if (auto* b = dynamic_cast<Button*>(&c))
            b->userClick();
        else if (auto* x = dynamic_cast<CheckBox*>(&c))
            x->userClick();
        else if (auto* m = dynamic_cast<MenuItem*>(&c))
            m->userClick();
        else
            throw ScriptError(w[1] + " cannot be clicked");
    } else if (verb == "check") {
        need(w, 3, 3, "check CONTROL 0|1");
        if (w[2] != "0" && w[2] != "1") throw ScriptError("check takes 0 or 1");
        bool want = w[2] == "1";
        Control& c = control(w[1]);
        if (auto* x = dynamic_cast<CheckBox*>(&c)) {
            if (x->checked() != want) x->userClick();
        } else if (auto* m = dynamic_cast<MenuItem*>(&c)) {
            m->setChecked(want);
        } else {
            throw ScriptError(w[1] + " has no check mark");
        }
    } else if (verb == "select") {
        need(w, 3, 3, "select CONTROL N");
        auto* g = dynamic_cast<RadioGroup*>(&control(w[1]));
        if (!g) throw ScriptError(w[1] + " is not a radio group");
        long long i = number(w[2], "the item");
        if (i < 0 || i >= static_cast<long long>(g->items().size()))
            throw ScriptError("item " + w[2] + " outside 0.." +
                              std::to_string(g->items().size() - 1));
        g->userSelect(static_cast<int>(i));
    } else if (verb == "updown") {
        need(w, 3, 4, "updown CONTROL up|down [N]");
        auto* u = dynamic_cast<UpDown*>(&control(w[1]));
        if (!u) throw ScriptError(w[1] + " is not an up-down");
        if (w[2] != "up" && w[2] != "down") throw ScriptError("updown takes up or down");
        long long n = w.size() == 4 ? number(w[3], "the count") : 1;
        for (long long k = 0; k < n && !(stop_ && stop_->load()); ++k)
            u->userClick(w[2] == "up");
    } else if (verb == "call") {
        need(w, 2, 2, "call HANDLER");
        if (!wb_->commands().has(w[1])) throw ScriptError("unknown handler " + w[1]);
        wb_->run(w[1]);
    } else if (verb == "tick") {
        need(w, 2, 3, "tick TIMER [N]");
        long long n = w.size() == 3 ? number(w[2], "the count") : 1;
        clock_->tick(timer(w[1]), static_cast<int>(std::min(n, 1LL << 30)));
    } else if (verb == "advance") {
        need(w, 2, 2, "advance MS");
        clock_->advance(number(w[1], "the time"));
    } else if (verb == "mouse") {
        need(w, 4, 6, "mouse down|up|move X Y [left|right|middle] [FORM]");
        MouseEvent e;
        if (w[1] == "down")
            e.kind = MouseEvent::Kind::Down;
        else if (w[1] == "up")
            e.kind = MouseEvent::Kind::Up;
        else if (w[1] == "move")
            e.kind = MouseEvent::Kind::Move;
        else
            throw ScriptError("mouse takes down, up or move");
        e.x = coordinate(w[2], "X");
        e.y = coordinate(w[3], "Y");
        std::string form = "TForm1";
        for (size_t k = 4; k < w.size(); ++k) {
            if (w[k] == "left")
                e.button = MouseButton::Left;
            else if (w[k] == "right")
                e.button = MouseButton::Right;
            else if (w[k] == "middle")
                e.button = MouseButton::Middle;
            else if (wb_->form(w[k]))
                form = w[k];
            else
                throw ScriptError("unknown button or form " + w[k]);
        }
        wb_->mouse(form, e);
    } else if (verb == "answer") {
        need(w, 2, 99, "answer PATH|cancel");
        std::string rest = restAfter(line, 1);
        host_->queueAnswer(rest == "cancel" ? std::nullopt : std::optional<std::string>(rest));
    } else if (verb == "set") {
        if (w.size() < 3) throw ScriptError("usage: set NAME VALUE");
        wb_->fields().set(w[1], restAfter(line, 2));
    } else if (verb == "print") {
        need(w, 2, 2, "print NAME");
        out_ << describe(w[1]) << '\n';
    } else if (verb == "pixel") {
        need(w, 3, 4, "pixel X Y [FORM]");
        Canvas& surface = this->surface(w.size() == 4 ? w[3] : "TForm1");
        out_ << surface.pixel(coordinate(w[1], "X"), coordinate(w[2], "Y")) << '\n';
    } else if (verb == "save") {
        need(w, 2, 3, "save FILE.png [FORM]");
        Canvas& surface = this->surface(w.size() == 3 ? w[2] : "TForm1");
        if (const std::string refused = outsideRefusal(w[1]); !refused.empty())
            throw ScriptError(refused);
        if (const std::string failure = savePicture(surface, wb_->workdir(), w[1]);
            !failure.empty())
            throw ScriptError(failure);
    } else {
        throw ScriptError("unknown verb " + verb);
    }
    // A save dialog answered with a name outside: the dialog was cancelled.
    if (const std::string refused = host_->takeRefusal(); !refused.empty())
        throw ScriptError(refused);
    out_.flush();
}

} // namespace rca
