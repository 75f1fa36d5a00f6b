#include "app/tform1.h"

#include <string>
#include <vector>

namespace rca {

TForm1::TForm1() {
    auto text = [this](const std::string& name, const std::string& caption) -> Label& {
        return add<Label>(name, caption);
    };

    // Groups on the right of the picture.
    at(GroupBoxMask, "", 728, 0, 418, 48);
    at(GroupBoxLength, "", 728, 50, 120, 48);
    at(GroupBoxStepWork, "", 850, 50, 296, 48);
    at(GroupBoxInitial, "", 728, 100, 418, 50);
    at(GroupBoxManage, "", 728, 152, 200, 50);
    at(GroupBoxTheory, "", 930, 152, 216, 50);
    at(GroupBoxResults, "", 728, 204, 418, 290);
    at(GroupBoxView, "", 728, 496, 270, 110);
    at(GroupBoxTest, "", 1000, 496, 146, 110);
    at(StatusBar1, "", 0, 699, 1146, 20);

    // Mask: left boxes read 5..1, right boxes 1..5.
    at(text("LabelLeft", "Left-"), "GroupBoxMask", 6, 20, 36, 16);
    for (int d = 1; d <= 5; ++d)
        at(*maskLeft[d], "GroupBoxMask", 44 + (5 - d) * 30, 18, 30, 20);
    at(text("LabelSelf", "l"), "GroupBoxMask", 198, 20, 10, 16);
    for (int d = 1; d <= 5; ++d)
        at(*maskRight[d], "GroupBoxMask", 210 + (d - 1) * 30, 18, 30, 20);
    at(text("LabelRight", "-Right"), "GroupBoxMask", 362, 20, 50, 16);
    for (int d = 6; d <= 11; ++d) {
        maskLeft[d]->setVisible(false);
        maskRight[d]->setVisible(false);
    }

    at(text("LabelL", "L="), "GroupBoxLength", 6, 21, 20, 16);
    at(Edit1, "GroupBoxLength", 28, 18, 50, 22);
    at(UpDown2, "GroupBoxLength", 78, 18, 18, 22);

    at(Edit2, "GroupBoxStepWork", 6, 18, 34, 22);
    at(UpDown1, "GroupBoxStepWork", 40, 18, 18, 22);
    at(text("LabelSteps", "steps"), "GroupBoxStepWork", 60, 21, 32, 16);
    at(Button2, "GroupBoxStepWork", 94, 16, 60, 26);
    at(Button57, "GroupBoxStepWork", 154, 16, 22, 26);
    at(Button1, "GroupBoxStepWork", 180, 16, 60, 26);
    at(Button72, "GroupBoxStepWork", 240, 16, 22, 26);

    at(Button8, "GroupBoxInitial", 6, 17, 54, 26);
    at(Button58, "GroupBoxInitial", 62, 17, 64, 26);
    at(text("LabelNB", "NB="), "GroupBoxInitial", 132, 22, 28, 16);
    at(Edit7, "GroupBoxInitial", 160, 18, 40, 22);
    at(Button28, "GroupBoxInitial", 210, 17, 40, 26);
    at(Button106, "GroupBoxInitial", 252, 17, 34, 26);
    at(Button42, "GroupBoxInitial", 288, 17, 34, 26);

    at(Button6, "GroupBoxManage", 6, 17, 50, 26);
    at(Button7, "GroupBoxManage", 58, 17, 50, 26);
    at(UpDown5, "GroupBoxManage", 112, 17, 18, 26);
    at(Label69, "GroupBoxManage", 136, 22, 50, 16);

    at(RadioGroup12, "GroupBoxTheory", 6, 14, 110, 32);
    at(text("Label54", "Check"), "GroupBoxTheory", 124, 22, 40, 16);
    at(Label57, "GroupBoxTheory", 166, 22, 44, 16);

    // Results: caption then value label, two columns.
    auto result = [&](const std::string& caption, const std::string& value, int col, int y) {
        int x = col == 0 ? 6 : 212;
        at(text("Formula" + value, caption), "GroupBoxResults", x, y, 150, 16);
        at(text(value, "X"), "GroupBoxResults", x + 152, y, 46, 16);
    };
    result("1) end I, II disjoint =", "Label33", 0, 18);
    result("1) end flips start =", "Label112", 1, 18);
    result("2) |ld0| = |ldD0| =", "Label29", 0, 38);
    result("3) |T1-T2| = |ld0/2| =", "Label35", 1, 38);
    result("T =", "Label25", 0, 58);
    result("T =", "Label34", 1, 58);
    at(text("HeadLd", "ld"), "GroupBoxResults", 40, 82, 40, 16);
    at(text("HeadLdD", "ldD"), "GroupBoxResults", 100, 82, 40, 16);
    const char* ldLabels[] = {"Label3", "Label4", "Label6", "Label17"};
    const char* lddLabels[] = {"Label18", "Label23", "Label26", "Label27"};
    for (int k = 0; k < 4; ++k) {
        int y = 100 + k * 18;
        at(text("Row" + std::to_string(k), '[' + std::to_string(k) + ']'), "GroupBoxResults", 6, y,
           30, 16);
        at(text(ldLabels[k], "X"), "GroupBoxResults", 40, y, 56, 16);
        at(text(lddLabels[k], "X"), "GroupBoxResults", 100, y, 56, 16);
    }
    result("K=", "Label37", 1, 100);
    result("1/3*(T1+T2)=  ", "Label56", 1, 120);
    result("mdA(II) = mC(I) :", "Label24", 0, 180);
    result("mdC(II) = mA(I) :", "Label32", 1, 180);
    result("mC(I) = mB(I) :", "Label38", 0, 200);
    result("mdC(II) = mdB(II) :", "Label66", 1, 200);

    at(CheckBox1, "GroupBoxView", 6, 18, 50, 20);
    at(CheckBox2, "GroupBoxView", 60, 18, 50, 20);
    at(CheckBox29, "GroupBoxView", 114, 18, 50, 20);
    at(CheckBox30, "GroupBoxView", 6, 40, 50, 20);
    at(CheckBox31, "GroupBoxView", 60, 40, 50, 20);
    at(CheckBox32, "GroupBoxView", 114, 40, 50, 20);
    at(CheckBox33, "GroupBoxView", 6, 64, 80, 20);
    at(CheckBox34, "GroupBoxView", 90, 64, 30, 20);
    at(CheckBox35, "GroupBoxView", 124, 64, 100, 20);
    at(text("LabelViewG", "G"), "GroupBoxView", 230, 20, 20, 16);

    at(Button93, "GroupBoxTest", 10, 30, 56, 30);
    at(Button101, "GroupBoxTest", 76, 30, 56, 30);

    // Everything else of the window is hidden and reached from code.
    for (Edit* e : {&Edit3, &Edit4, &Edit5, &Edit6, &Edit8, &Edit9, &Edit10, &Edit20, &Edit21,
                    &Edit22, &Edit23, &Edit24, &Edit25, &Edit26, &Edit27, &Edit28, &Edit29})
        e->setVisible(false);
    for (UpDown* u : {&UpDown3, &UpDown4, &UpDown6})
        u->setVisible(false);
    for (RadioGroup* g : {&RadioGroup2, &RadioGroup3, &RadioGroup7, &RadioGroup8, &RadioGroup9,
                          &RadioGroup11, &RadioGroupMouse})
        g->setVisible(false);
    for (Button* b : {&Button3, &Button5, &Button10, &Button22, &Button25, &Button50, &Button53,
                      &Button56, &Button69, &Button92, &Button94, &Button95, &Button96, &Button97,
                      &Button98, &Button99, &Button100, &Button105})
        b->setVisible(false);
    for (MenuItem* m : {&Nrandpoint1, &N6Npoints1, &DO2, &ShowI1, &ShowII1})
        m->setVisible(false);
    Label21.setVisible(false);

    // The usage note that 'F1' shows.
    at(text("RichEdit1", "\nChoose mask (panel MASK)\n\nlength of the circle (panel Size)\n\n"
                         "Initial (type Random and you will make NB random cells \"B\";\n"
                         "then you can change Initial clicking by mouse)\n\n"
                         "When you check Ordinary (Panel View) you can see Automat itself.\n"
                         "When Ordinary is not checked you will see Matrix of Exactle Feeding"),
       "", 8, 440, 560, 200);
    label("RichEdit1").setVisible(false);

    // Hidden labels: mouse position, the markCI sample, the batch display.
    std::vector<std::string> hidden = {"Label10", "Label13", "Label14"};
    for (int k = 30; k <= 53; ++k)
        hidden.push_back("Label" + std::to_string(k));
    for (int k : {70, 71, 72, 73, 75, 79, 82, 84, 85, 87, 88, 89, 93, 94, 95, 107, 108, 109, 110})
        hidden.push_back("Label" + std::to_string(k));
    for (const auto& name : hidden) {
        if (find(name)) continue; // Label32 is a result label already
        text(name, name).setVisible(false);
    }
}

} // namespace rca
