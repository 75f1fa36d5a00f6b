#pragma once
// Connects a control's event to the command of that name, so a user action,
// a change from code and a script's `call` all run the same command.
#include "app/workbench.h"

namespace rca {

inline void wire(Workbench& wb, Button& b, const std::string& command) {
    b.onClick = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, CheckBox& b, const std::string& command) {
    b.onClick = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, MenuItem& m, const std::string& command) {
    m.onClick = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, RadioGroup& g, const std::string& command) {
    g.onClick = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, UpDown& u, const std::string& command) {
    u.onClick = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, Edit& e, const std::string& command) {
    e.onChange = [&wb, command] { wb.run(command); };
}
inline void wire(Workbench& wb, Timer& t, const std::string& command) {
    t.onTimer = [&wb, command] { wb.run(command); };
}

// Registers `fn` under `command` and wires the control to it.
template <class C, class Fn>
void define(Workbench& wb, C& control, const std::string& command, Fn fn) {
    wb.commands().add(command, std::move(fn));
    wire(wb, control, command);
}

// Registers "<name>Click" as a command that only flips the item's check mark.
inline void defineToggle(Workbench& wb, MenuItem& item) {
    define(wb, item, item.name() + "Click", [&item] { item.toggle(); });
}

} // namespace rca
