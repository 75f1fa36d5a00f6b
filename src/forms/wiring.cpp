#include "forms/wiring.h"

namespace rca {

namespace {

std::string prefixOf(const Form* form) {
    return form ? form->name() + "." : std::string();
}

} // namespace

std::string commandName(const Control& control, const std::string& event) {
    return prefixOf(control.form()) + control.name() + event;
}

void writeField(Bench& wb, Edit& e, int32_t value) {
    const std::string text = std::to_string(value);
    if (e.text() == text)
        wb.run(commandName(e, "Change"));
    else
        e.setText(text);
}

std::string formCommandName(const Form& form, const std::string& event) {
    return prefixOf(&form) + "Form" + event;
}

} // namespace rca
