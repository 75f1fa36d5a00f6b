#include "script_vocabulary.h"

#include <algorithm>
#include <set>

namespace rcafuzz {

namespace {

using Random = std::mt19937_64;

// Values and edits that ask for that many steps, trials or clicks: drawn
// from small numbers only, or one line could ask for hours of honest work.
const std::set<std::string> workAsked = {"stepsPerPress", "trialsPerBatch", "stepLimit",
                                         "Edit2",         "Edit28",         "Edit29",
                                         "improveCount",  "timeAll",        "timeCrit"};

const std::vector<std::string> verbs = {"type", "click", "check",   "select", "updown",
                                        "call", "tick",  "advance", "mouse",  "answer",
                                        "set",  "print", "pixel",   "save"};

// Files a script may name: inside the working folder, existing or not.
const std::vector<std::string> files = {"t.dat", "examp/Exr.dat", "data/x.bmp",  "nofolder/x",
                                        "examp", "p.png",         "video/a.bmp", "",
                                        "cancel"};

size_t pick(Random& r, size_t n) {
    return std::uniform_int_distribution<size_t>(0, n - 1)(r);
}

const std::string& oneOf(Random& r, const std::vector<std::string>& v) {
    static const std::string none = "Nothing";
    return v.empty() ? none : v[pick(r, v.size())];
}

bool chance(Random& r, int percent) {
    return static_cast<int>(pick(r, 100)) < percent;
}

std::string smallNumber(Random& r, int lo, int hi) {
    return std::to_string(std::uniform_int_distribution<int>(lo, hi)(r));
}

// Mostly numbers a field could hold, often the edges of every type.
std::string number(Random& r) {
    return chance(r, 50) ? oneOf(r, edgeNumbers()) : smallNumber(r, -5, 150);
}

std::string bareName(const std::string& ref) {
    const size_t dot = ref.find('.');
    return dot == std::string::npos ? ref : ref.substr(dot + 1);
}

std::string workNumber(Random& r, const std::string& name) {
    return workAsked.count(bareName(name)) ? smallNumber(r, -3, 40) : number(r);
}

std::string cells(Random& r) {
    std::string s;
    const size_t n = pick(r, 110);
    for (size_t k = 0; k < n; ++k)
        s += "CBA012x"[pick(r, chance(r, 95) ? 3 : 7)];
    return s;
}

std::string valueText(Random& r, const std::string& name) {
    if (workAsked.count(name)) return smallNumber(r, -3, 40);
    switch (pick(r, 4)) {
    case 0:
        return cells(r);
    case 1: {
        std::string s;
        for (size_t k = pick(r, 8) + 1; k > 0; --k)
            s += number(r) + " ";
        return s;
    }
    default:
        return number(r);
    }
}

std::string reference(Random& r, const std::string& name) {
    if (chance(r, 60) || workAsked.count(name)) return name;
    static const std::vector<std::string> indices = {"-1",   "0",          "1",    "5",    "99",
                                                     "100",  "1124",       "2249", "2250", "4899",
                                                     "4900", "4294967296", "x"};
    return name + "[" + oneOf(r, indices) + "]";
}

std::string coordinate(Random& r) {
    return chance(r, 60) ? smallNumber(r, -20, 1200) : oneOf(r, edgeNumbers());
}

} // namespace

const std::vector<std::string>& edgeNumbers() {
    static const std::vector<std::string> numbers = {"0",
                                                     "1",
                                                     "-1",
                                                     "2",
                                                     "127",
                                                     "128",
                                                     "-129",
                                                     "255",
                                                     "256",
                                                     "32767",
                                                     "32768",
                                                     "-32768",
                                                     "-32769",
                                                     "65535",
                                                     "65536",
                                                     "2147483647",
                                                     "2147483648",
                                                     "-2147483648",
                                                     "-2147483649",
                                                     "4294967295",
                                                     "4294967296",
                                                     "99999999999",
                                                     "9223372036854775807",
                                                     "-9223372036854775808",
                                                     "9223372036854775808",
                                                     "1e308",
                                                     "-1e308",
                                                     "1e999",
                                                     "inf",
                                                     "-inf",
                                                     "nan",
                                                     "0.5",
                                                     "-0.0",
                                                     "1e-320",
                                                     "100",
                                                     "101",
                                                     "131",
                                                     "10000",
                                                     "12x",
                                                     "0x10",
                                                     "+5",
                                                     "",
                                                     "abc",
                                                     "--1"};
    return numbers;
}

Vocabulary::Vocabulary(rca::Workbench& wb) {
    using Kind = rca::Control::Kind;
    for (rca::Form* form : wb.forms()) {
        forms.push_back(form->name());
        if (form->surface()) surfaces.push_back(form->name());
        for (rca::Control* c : form->controls()) {
            const std::string ref = form->name() + "." + c->name();
            switch (c->kind()) {
            case Kind::Edit:
                edits.push_back(ref);
                break;
            case Kind::CheckBox:
            case Kind::MenuItem:
                checks.push_back(ref);
                clicks.push_back(ref);
                break;
            case Kind::Button:
                clicks.push_back(ref);
                break;
            case Kind::RadioGroup:
                groups.push_back(ref);
                break;
            case Kind::UpDown:
                updowns.push_back(ref);
                break;
            case Kind::Timer:
                timers.push_back(ref);
                break;
            default:
                break;
            }
        }
    }
    handlers = wb.commands().names();
    values = wb.fields().names();
}

std::string Vocabulary::line(Random& r) const {
    const std::string& verb = chance(r, 2) ? std::string("frob") : oneOf(r, verbs);
    const auto any = [&](const std::vector<std::string>& v) { return oneOf(r, v); };
    if (verb == "type") {
        const std::string& e = any(edits);
        return "type " + e + " \"" + workNumber(r, e) + (chance(r, 10) ? " apples\"" : "\"");
    }
    if (verb == "click") return "click " + any(clicks);
    if (verb == "check") return "check " + any(checks) + (chance(r, 50) ? " 1" : " 0");
    if (verb == "select") return "select " + any(groups) + " " + smallNumber(r, -2, 14);
    if (verb == "updown")
        return "updown " + any(updowns) + (chance(r, 50) ? " up " : " down ") +
               smallNumber(r, 0, 50);
    if (verb == "call") return "call " + any(handlers);
    if (verb == "tick") return "tick " + any(timers) + " " + smallNumber(r, 0, 300);
    if (verb == "advance") return "advance " + smallNumber(r, -10, 2000);
    if (verb == "mouse") {
        static const std::vector<std::string> kinds = {"down", "up", "move"};
        static const std::vector<std::string> buttons = {"left", "right", "middle"};
        return "mouse " + oneOf(r, kinds) + " " + coordinate(r) + " " + coordinate(r) + " " +
               oneOf(r, buttons) + " " + any(surfaces);
    }
    if (verb == "answer") return "answer " + oneOf(r, files);
    if (verb == "set") {
        const std::string& name = any(values);
        return "set " + reference(r, name) + " " + valueText(r, name);
    }
    if (verb == "print")
        return "print " + (chance(r, 70) ? reference(r, any(values)) : any(clicks));
    if (verb == "pixel") return "pixel " + coordinate(r) + " " + coordinate(r) + " " + any(forms);
    if (verb == "save") return "save p.png " + any(forms);
    return verb + " " + number(r);
}

std::string Vocabulary::dictionary() const {
    std::set<std::string> words(verbs.begin(), verbs.end());
    for (const auto* list :
         {&forms, &edits, &clicks, &checks, &groups, &updowns, &timers, &handlers, &values}) {
        for (const std::string& w : *list) {
            words.insert(w);
            words.insert(bareName(w));
        }
    }
    for (const std::string& n : edgeNumbers())
        if (!n.empty()) words.insert(n);
    for (const char* w : {"left", "right", "middle", "down", "up", "move", "cancel"})
        words.insert(w);
    std::string out;
    for (const std::string& w : words)
        out += "\"" + w + "\"\n";
    return out;
}

} // namespace rcafuzz
