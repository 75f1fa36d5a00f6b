#include "analysis/tform6.h"

namespace rca {

TForm6::TForm6() : Form("TForm6", "Show RCA", 1100, 720) {
    // The grid and its bands take x 0 .. 728, y 0 .. 448.
    makeSurface(730, 450);

    at(Button7, "", 740, 8, 150, 26);
    at(Button8, "", 740, 38, 150, 26);
    at(Button9, "", 900, 8, 100, 26);
    at(Button10, "", 900, 38, 100, 26);

    at(GroupBox1, "", 740, 72, 350, 128);
    at(Button14, "GroupBox1", 10, 20, 90, 26);
    at(Button15, "GroupBox1", 10, 56, 90, 26);
    at(Button16, "GroupBox1", 10, 90, 90, 26);
    at(RadioGroup1, "GroupBox1", 110, 16, 100, 100);
    at(LabelXBegin, "GroupBox1", 220, 24, 60, 16);
    at(Edit3, "GroupBox1", 280, 20, 60, 22);
    at(LabelYBegin, "GroupBox1", 220, 56, 60, 16);
    at(Edit4, "GroupBox1", 280, 52, 60, 22);

    at(GroupBox2, "", 740, 206, 350, 56);
    at(Label1, "GroupBox2", 10, 26, 160, 16);
    at(Button13, "GroupBox2", 240, 20, 100, 26);

    at(LabelX1, "", 740, 276, 28, 16);
    at(UpDown2, "", 768, 272, 18, 24);
    at(Label6, "", 790, 276, 30, 16);
    at(LabelX2, "", 826, 276, 28, 16);
    at(UpDown3, "", 854, 272, 18, 24);
    at(Label7, "", 876, 276, 30, 16);
    at(LabelY1, "", 912, 276, 28, 16);
    at(UpDown4, "", 940, 272, 18, 24);
    at(Label8, "", 962, 276, 30, 16);
    at(LabelY2, "", 998, 276, 28, 16);
    at(UpDown5, "", 1026, 272, 18, 24);
    at(Label9, "", 1048, 276, 30, 16);

    at(GroupBox3, "", 740, 306, 350, 84);
    at(Edit1, "GroupBox3", 10, 22, 80, 22);
    at(Edit2, "GroupBox3", 100, 22, 40, 22);
    at(LabelPercent, "GroupBox3", 144, 26, 14, 16);
    at(Button11, "GroupBox3", 170, 20, 40, 26);
    at(Button12, "GroupBox3", 216, 20, 40, 26);
    at(CheckBox1, "GroupBox3", 10, 54, 120, 20);

    at(Label2, "", 740, 400, 30, 16);
    at(Label3, "", 774, 400, 30, 16);
    at(Label4, "", 808, 400, 30, 16);
    at(Label5, "", 842, 400, 30, 16);
    for (Label* l : {&Label2, &Label3, &Label4, &Label5})
        l->setVisible(false);

    at(Chart1, "", 0, 456, 545, 260);
    at(Chart2, "", 550, 456, 545, 260);
}

} // namespace rca
