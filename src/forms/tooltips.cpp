#include "forms/tooltips.h"

#include "forms/form.h"

namespace rca {

namespace {

std::string formName(const Control& c) {
    return c.form() ? c.form()->name() : std::string();
}

// Scripts may leave out the main window's prefix.
std::string scriptName(const Control& c) {
    const std::string form = formName(c);
    return form.empty() || form == "TForm1" ? c.name() : form + "." + c.name();
}

bool captionIsName(const Control& c) {
    switch (c.kind()) {
    case Control::Kind::Button:
    case Control::Kind::CheckBox:
    case Control::Kind::MenuItem:
    case Control::Kind::GroupBox:
    case Control::Kind::RadioGroup:
        return !c.caption().empty();
    default:
        return false;
    }
}

} // namespace

std::string controlDescription(const std::string& form, const std::string& name) {
    const auto& table = tooltipTable();
    auto it = table.find(form + "." + name);
    return it == table.end() ? std::string() : std::string(it->second);
}

std::string scriptLine(const Control& c) {
    const std::string name = scriptName(c);
    switch (c.kind()) {
    case Control::Kind::Button:
    case Control::Kind::CheckBox:
    case Control::Kind::MenuItem:
        return "click " + name;
    case Control::Kind::Edit:
        return "type " + name + " …";
    case Control::Kind::RadioGroup:
        return "select " + name + " N";
    case Control::Kind::UpDown:
        return "updown " + name + " up|down";
    case Control::Kind::Timer:
        return "tick " + name;
    default:
        return "print " + name;
    }
}

std::string tooltip(const Control& c) {
    std::string text;
    if (captionIsName(c)) text = c.caption();
    const std::string what = controlDescription(formName(c), c.name());
    if (!what.empty()) text += text.empty() ? what : " — " + what;
    if (!text.empty()) text += " · ";
    return text + c.name() + " · " + scriptLine(c);
}

bool needsTooltip(const Control& c) {
    if (c.kind() == Control::Kind::Timer) return false;
    if (c.kind() == Control::Kind::MenuItem && c.caption() == "-") return false;
    const Control* at = &c;
    // A control inside a hidden group box is not shown either; the depth
    // bound keeps a group that names itself from looping.
    for (int depth = 0; at && depth < 16; ++depth) {
        if (!at->visible()) return false;
        if (at->parent().empty() || !at->form()) return true;
        const Control* up = at->form()->find(at->parent());
        at = up == at ? nullptr : up;
    }
    return true;
}

} // namespace rca
