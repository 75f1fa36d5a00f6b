#include "analysis/tform14.h"

#include <initializer_list>

namespace rca {

TForm14::TForm14() : Form("TForm14", "T6 Graf", 900, 640) {
    at(Button1, "", 16, 12, 70, 26);
    at(LabelThreshold, "", 100, 16, 70, 16);
    at(Edit1, "", 170, 12, 70, 22);
    at(LabelBegin, "", 250, 16, 70, 16);
    at(Edit2, "", 320, 12, 70, 22);
    at(LabelEnd, "", 400, 16, 70, 16);
    at(Edit3, "", 470, 12, 70, 22);
    at(Edit8, "", 560, 12, 60, 22);
    at(Edit9, "", 630, 12, 60, 22);
    at(Edit10, "", 700, 12, 60, 22);
    at(CheckBox4, "", 16, 46, 110, 20);
    at(CheckBox5, "", 130, 46, 110, 20);
    at(CheckBox6, "", 244, 46, 110, 20);
    at(Button2, "", 370, 44, 50, 24);
    at(Button3, "", 426, 44, 50, 24);
    at(Button4, "", 482, 44, 50, 24);
    at(CheckBox1, "", 560, 46, 80, 20);
    at(CheckBox2, "", 650, 46, 80, 20);
    at(RadioGroup1, "", 740, 40, 120, 60);
    for (Control* c : std::initializer_list<Control*>{&CheckBox1, &CheckBox2, &RadioGroup1})
        c->setVisible(false);
    at(Chart1, "", 0, 76, 900, 340);
    at(Chart2, "", 0, 420, 900, 216);
}

} // namespace rca
