#pragma once
// 'Is MASK RCA': a 14-cell pattern ticked box by box or chosen from stock
// patterns, each ticked cell a black square in a framed triangle, and five
// loaders of the one-byte '70' presets.
#include "forms/form.h"

namespace rca {

class TForm13 : public Form {
  public:
    TForm13();

    // Display and pattern boxes by number, 1 .. 14.
    Panel& squareOf(int box) const;
    CheckBox& box(int box) const;

    RCA_CONTROL(Label, Label1, "Is mask RCA");

    // The frame around the squares.
    RCA_CONTROL(Panel, Panel1, "", clGray);
    RCA_CONTROL(Panel, Panel16, "", clGray);
    RCA_CONTROL(Panel, Panel17, "", clGray);
    RCA_CONTROL(Panel, Panel18, "", clGray);

    RCA_CONTROL(Panel, Panel2, "", clBlack);
    RCA_CONTROL(Panel, Panel3, "", clBlack);
    RCA_CONTROL(Panel, Panel4, "", clBlack);
    RCA_CONTROL(Panel, Panel5, "", clBlack);
    RCA_CONTROL(Panel, Panel6, "", clBlack);
    RCA_CONTROL(Panel, Panel7, "", clBlack);
    RCA_CONTROL(Panel, Panel8, "", clBlack);
    RCA_CONTROL(Panel, Panel9, "", clBlack);
    RCA_CONTROL(Panel, Panel10, "", clBlack);
    RCA_CONTROL(Panel, Panel11, "", clBlack);
    RCA_CONTROL(Panel, Panel12, "", clBlack);
    RCA_CONTROL(Panel, Panel13, "", clBlack);
    RCA_CONTROL(Panel, Panel14, "", clBlack);
    RCA_CONTROL(Panel, Panel15, "", clBlack);

    RCA_CONTROL(CheckBox, CheckBox1, "1", true);
    RCA_CONTROL(CheckBox, CheckBox2, "2", true);
    RCA_CONTROL(CheckBox, CheckBox3, "3", true);
    RCA_CONTROL(CheckBox, CheckBox4, "4", true);
    RCA_CONTROL(CheckBox, CheckBox5, "5", true);
    RCA_CONTROL(CheckBox, CheckBox6, "6", true);
    RCA_CONTROL(CheckBox, CheckBox7, "7", true);
    RCA_CONTROL(CheckBox, CheckBox8, "8", true);
    RCA_CONTROL(CheckBox, CheckBox9, "9", true);
    RCA_CONTROL(CheckBox, CheckBox10, "10", true);
    RCA_CONTROL(CheckBox, CheckBox11, "11", true);
    RCA_CONTROL(CheckBox, CheckBox12, "12", true);
    RCA_CONTROL(CheckBox, CheckBox13, "13", true);
    RCA_CONTROL(CheckBox, CheckBox14, "14", true);

    // Stock patterns: seven boxes and eight small buttons.
    RCA_CONTROL(CheckBox, CheckBox15, "all", false);
    RCA_CONTROL(CheckBox, CheckBox16, "1-7", false);
    RCA_CONTROL(CheckBox, CheckBox17, "1-11", false);
    RCA_CONTROL(CheckBox, CheckBox18, "9 10 12-14", false);
    RCA_CONTROL(CheckBox, CheckBox19, "1-3 5 6 9 11 14", false);
    RCA_CONTROL(CheckBox, CheckBox20, "3-5 9 10 12-14", false);
    RCA_CONTROL(CheckBox, CheckBox21, "1 3-6 9 10 12-14", false);
    RCA_CONTROL(Button, Button6, "");
    RCA_CONTROL(Button, Button7, "");
    RCA_CONTROL(Button, Button8, "");
    RCA_CONTROL(Button, Button9, "");
    RCA_CONTROL(Button, Button10, "");
    RCA_CONTROL(Button, Button11, "");
    RCA_CONTROL(Button, Button12, "");
    RCA_CONTROL(Button, Button13, "");

    RCA_CONTROL(Button, Button5, "Button5");
    RCA_CONTROL(Button, Button14, "1");
    RCA_CONTROL(Button, Button15, "2");
    RCA_CONTROL(Button, Button16, "3");
    RCA_CONTROL(Button, Button17, "4");
    RCA_CONTROL(Button, Button18, "5");
};

} // namespace rca
