#include "forms/main_controls.h"

#include <stdexcept>

namespace rca {

const std::array<const char*, 19>& mainMenuTitles() {
    static const std::array<const char*, 19> titles = {
        "File",   "Initial", "In (2)", "Manage", "KiyFile", "Clear RCA", "IMPROVE",
        "FREEZE", "T=6",     "Video",  "EXPO_1", "NEW",     "a)",        "b)",
        "c)",     "k)",      "1 DIM",  "ZAD",    "Help"};
    return titles;
}

MainControls::MainControls() : Form("TForm1", "rcalab", 1146, 767) {
    maskLeft = {nullptr,    &CheckBox3, &CheckBox4,  &CheckBox5,  &CheckBox6,  &CheckBox7,
                &CheckBox8, &CheckBox9, &CheckBox10, &CheckBox11, &CheckBox12, &CheckBox13};
    maskRight = {nullptr,     &CheckBox14, &CheckBox15, &CheckBox16, &CheckBox17, &CheckBox18,
                 &CheckBox19, &CheckBox20, &CheckBox21, &CheckBox22, &CheckBox23, &CheckBox24};
}

Label& MainControls::label(const std::string& name) const {
    auto* l = findAs<Label>(name);
    if (!l) throw std::logic_error("TForm1 has no label " + name);
    return *l;
}

} // namespace rca
