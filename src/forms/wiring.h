#pragma once
// A handler is defined on a control and named after it: form + control +
// event ("TForm6.Button14Click"; the main form's "TForm1." is left out). A
// user action, a change from code and a script's `call` run the same command.
#include "forms/bench.h"

#include <type_traits>

namespace rca {

// "TForm6.Button14Click", or "Button14Click" on the main form.
std::string commandName(const Control& control, const std::string& event);
// "TForm6.FormShow", or "FormShow" on the main form.
std::string formCommandName(const Form& form, const std::string& event);

inline Handler runner(Bench& wb, const std::string& command) {
    return [&wb, command] { wb.run(command); };
}

// Edits run their command on a change, timers on a tick, the rest on a click.
template <class C> void wire(Bench& wb, C& control, const std::string& command) {
    if constexpr (std::is_same_v<C, Edit>)
        control.onChange = runner(wb, command);
    else if constexpr (std::is_same_v<C, Timer>)
        control.onTimer = runner(wb, command);
    else
        control.onClick = runner(wb, command);
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

// Writes a number into an edit field so that its change handler runs exactly
// once, even when the field already shows that text: the value the field
// stands for is set either way, and field and value stay together.
void writeField(Bench& wb, Edit& e, int32_t value);

// A menu item whose only behaviour is its own check mark.
inline void defineToggle(Bench& wb, MenuItem& item) {
    define(wb, item, "Click", [&item] { item.toggle(); });
}

// A menu item or button that opens a form.
template <class C> void defineOpener(Bench& wb, C& control, Form& form) {
    define(wb, control, "Click", [&wb, &form] { wb.open(form); });
}

} // namespace rca
