#pragma once
// A handler is defined on a control and named after it: form + control +
// event ("TForm6.Button14Click"; the main form's "TForm1." is left out). A
// user action, a change from code and a script's `call` run the same command.
#include "forms/bench.h"

namespace rca {

// "TForm6.Button14Click", or "Button14Click" on the main form.
std::string commandName(const Control& control, const std::string& event);
// "TForm6.FormShow", or "FormShow" on the main form.
std::string formCommandName(const Form& form, const std::string& event);

inline Handler runner(Bench& wb, const std::string& command) {
    return [&wb, command] { wb.run(command); };
}

inline void wire(Bench& wb, Button& b, const std::string& c) {
    b.onClick = runner(wb, c);
}
inline void wire(Bench& wb, CheckBox& b, const std::string& c) {
    b.onClick = runner(wb, c);
}
inline void wire(Bench& wb, MenuItem& m, const std::string& c) {
    m.onClick = runner(wb, c);
}
inline void wire(Bench& wb, RadioGroup& g, const std::string& c) {
    g.onClick = runner(wb, c);
}
inline void wire(Bench& wb, UpDown& u, const std::string& c) {
    u.onClick = runner(wb, c);
}
inline void wire(Bench& wb, Edit& e, const std::string& c) {
    e.onChange = runner(wb, c);
}
inline void wire(Bench& wb, Timer& t, const std::string& c) {
    t.onTimer = runner(wb, c);
}

// Registers `fn` as the control's `event` handler ("Click", "Change",
// "Timer") and wires the control to it. Returns the command's name.
template <class C, class Fn>
std::string define(Bench& wb, C& control, const std::string& event, Fn fn) {
    const std::string name = commandName(control, event);
    wb.commands().add(name, std::move(fn));
    wire(wb, control, name);
    return name;
}

// A form event such as "Show" (run when the form opens).
template <class Fn> void defineForm(Bench& wb, Form& form, const std::string& event, Fn fn) {
    wb.commands().add(formCommandName(form, event), std::move(fn));
}

// A menu item whose only behaviour is its own check mark.
inline void defineToggle(Bench& wb, MenuItem& item) {
    define(wb, item, "Click", [&item] { item.toggle(); });
}

// A menu item or button that opens a form.
template <class C> void defineOpener(Bench& wb, C& control, Form& form) {
    define(wb, control, "Click", [&wb, &form] { wb.open(form); });
}

} // namespace rca
