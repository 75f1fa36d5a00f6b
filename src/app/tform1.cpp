#include "app/tform1.h"

#include "view/canvas.h"

#include <string>
#include <vector>

namespace rca {

const std::array<const char*, 19>& mainMenuTitles() {
    static const std::array<const char*, 19> titles = {
        "File",   "Initial", "In (2)", "Manage", "KiyFile", "Clear RCA", "IMPROVE",
        "FREEZE", "T=6",     "Video",  "EXPO_1", "NEW",     "a)",        "b)",
        "c)",     "k)",      "1 DIM",  "ZAD",    "Help"};
    return titles;
}

TForm1::TForm1()
    : Form("TForm1", "rcalab", 1146, 767), CheckBox3(add<CheckBox>("CheckBox3", "1", true)),
      CheckBox4(add<CheckBox>("CheckBox4", "2", false)),
      CheckBox5(add<CheckBox>("CheckBox5", "3", false)),
      CheckBox6(add<CheckBox>("CheckBox6", "4", false)),
      CheckBox7(add<CheckBox>("CheckBox7", "5", false)),
      CheckBox8(add<CheckBox>("CheckBox8", "6", false)),
      CheckBox9(add<CheckBox>("CheckBox9", "7", false)),
      CheckBox10(add<CheckBox>("CheckBox10", "8", false)),
      CheckBox11(add<CheckBox>("CheckBox11", "9", false)),
      CheckBox12(add<CheckBox>("CheckBox12", "10", false)),
      CheckBox13(add<CheckBox>("CheckBox13", "11", false)),
      CheckBox14(add<CheckBox>("CheckBox14", "1", true)),
      CheckBox15(add<CheckBox>("CheckBox15", "2", true)),
      CheckBox16(add<CheckBox>("CheckBox16", "3", false)),
      CheckBox17(add<CheckBox>("CheckBox17", "4", false)),
      CheckBox18(add<CheckBox>("CheckBox18", "5", false)),
      CheckBox19(add<CheckBox>("CheckBox19", "6", false)),
      CheckBox20(add<CheckBox>("CheckBox20", "7", false)),
      CheckBox21(add<CheckBox>("CheckBox21", "8", false)),
      CheckBox22(add<CheckBox>("CheckBox22", "9", false)),
      CheckBox23(add<CheckBox>("CheckBox23", "10", false)),
      CheckBox24(add<CheckBox>("CheckBox24", "11", false)),
      CheckBox1(add<CheckBox>("CheckBox1", "mA")), CheckBox2(add<CheckBox>("CheckBox2", "mB")),
      CheckBox29(add<CheckBox>("CheckBox29", "mC")), CheckBox30(add<CheckBox>("CheckBox30", "mdA")),
      CheckBox31(add<CheckBox>("CheckBox31", "mdB")),
      CheckBox32(add<CheckBox>("CheckBox32", "mdC")),
      CheckBox33(add<CheckBox>("CheckBox33", "Ordinary")),
      CheckBox34(add<CheckBox>("CheckBox34", "")),
      CheckBox35(add<CheckBox>("CheckBox35", "CheckBox35")), Edit1(add<Edit>("Edit1", "11")),
      Edit2(add<Edit>("Edit2", "6")), Edit3(add<Edit>("Edit3", "1")),
      Edit4(add<Edit>("Edit4", "5")), Edit5(add<Edit>("Edit5", "19")),
      Edit6(add<Edit>("Edit6", "Edit6")), Edit7(add<Edit>("Edit7", "Edit7")),
      Edit8(add<Edit>("Edit8", "Edit8")), Edit9(add<Edit>("Edit9", "Edit9")),
      Edit10(add<Edit>("Edit10", "0")), Edit20(add<Edit>("Edit20", "0")),
      Edit21(add<Edit>("Edit21", "300")), Edit22(add<Edit>("Edit22", "14")),
      Edit23(add<Edit>("Edit23", "Edit23")), Edit24(add<Edit>("Edit24", "300")),
      Edit25(add<Edit>("Edit25", "30")), Edit26(add<Edit>("Edit26", "20")),
      Edit27(add<Edit>("Edit27", "40")), Edit28(add<Edit>("Edit28", "1000000")),
      Edit29(add<Edit>("Edit29", "1000")), UpDown1(add<UpDown>("UpDown1", 1, 100, 6)),
      UpDown2(add<UpDown>("UpDown2", 0, 131, 70)), UpDown3(add<UpDown>("UpDown3", 1, 100, 1)),
      UpDown4(add<UpDown>("UpDown4", 0, 100, 0)), UpDown5(add<UpDown>("UpDown5", 0, 1000, 0, 10)),
      UpDown6(add<UpDown>("UpDown6", 0, 4, 0)),
      RadioGroup2(
          add<RadioGroup>("RadioGroup2", "Border", std::vector<std::string>{"Frozen A", "Circle"})),
      RadioGroup3(
          add<RadioGroup>("RadioGroup3", "Kind", std::vector<std::string>{"Standart", "Mask"})),
      RadioGroup7(
          add<RadioGroup>("RadioGroup7", "MAIN", std::vector<std::string>{"3 x", "Normal"})),
      RadioGroup8(
          add<RadioGroup>("RadioGroup8", "1 DUM", std::vector<std::string>{"1 dim.", "2 dim."})),
      RadioGroup9(add<RadioGroup>("RadioGroup9", "napr-nal", std::vector<std::string>{"0", "1"})),
      RadioGroup11(
          add<RadioGroup>("RadioGroup11", "vniz-vverh", std::vector<std::string>{"vniz", "verh"})),
      RadioGroup12(
          add<RadioGroup>("RadioGroup12", "Prediction", std::vector<std::string>{"Yes", "No"})),
      RadioGroupMouse(
          add<RadioGroup>("RadioGroupMouse", "Mouse", std::vector<std::string>{"1", "2"})),
      Button1(add<Button>("Button1", "One st.")), Button2(add<Button>("Button2", "n steps")),
      Button57(add<Button>("Button57", "-")), Button72(add<Button>("Button72", "-")),
      Button6(add<Button>("Button6", "GO")), Button7(add<Button>("Button7", "Stop")),
      Button8(add<Button>("Button8", "Clear")), Button58(add<Button>("Button58", "Random")),
      Button28(add<Button>("Button28", "Wr")), Button106(add<Button>("Button106", "R")),
      Button42(add<Button>("Button42", "D")), Button93(add<Button>("Button93", "G")),
      Button101(add<Button>("Button101", "Gd")), Button3(add<Button>("Button3", "Пок (3)")),
      Button5(add<Button>("Button5", "M A =0 5")), Button10(add<Button>("Button10", "Reverse")),
      Button22(add<Button>("Button22", "Button22")), Button25(add<Button>("Button25", "Button25")),
      Button50(add<Button>("Button50", "50")), Button53(add<Button>("Button53", "Button53")),
      Button56(add<Button>("Button56", "=0")), Button69(add<Button>("Button69", "T")),
      Button92(add<Button>("Button92", "Ris Th 92")), Button94(add<Button>("Button94", "+1 94")),
      Button95(add<Button>("Button95", "0 na +1 (Sli) 95")),
      Button96(add<Button>("Button96", "St marker 96")),
      Button97(add<Button>("Button97", "Vikid 97")), Button98(add<Button>("Button98", "Theory 98")),
      Button99(add<Button>("Button99", "Pust+Mar=4 99")),
      Button100(add<Button>("Button100", "Krug v 3  +1 100")),
      Button105(add<Button>("Button105", "Th2 105")),
      GroupBoxMask(add<GroupBox>("GroupBoxMask", "Mask", clBtnFace)),
      GroupBoxLength(add<GroupBox>("GroupBoxLength", "Length", clBtnFace)),
      GroupBoxInitial(add<GroupBox>("GroupBoxInitial", "Initial", clBtnFace)),
      GroupBoxManage(add<GroupBox>("GroupBoxManage", "Manage", clBtnFace)),
      GroupBoxStepWork(add<GroupBox>("GroupBoxStepWork", "Step work", clBtnFace)),
      GroupBoxResults(add<GroupBox>("GroupBoxResults", "Results", clBtnFace)),
      GroupBoxView(add<GroupBox>("GroupBoxView", "VIEW", clBtnFace)),
      GroupBoxTest(add<GroupBox>("GroupBoxTest", "Test (1,1)", clBtnFace)),
      GroupBoxTheory(add<GroupBox>("GroupBoxTheory", "Theory", clBtnFace)),
      StatusBar1(add<StatusBar>("StatusBar1")), Timer1(add<Timer>("Timer1", 1)),
      Timer2(add<Timer>("Timer2", 1)), Timer3(add<Timer>("Timer3", 200)),
      Timer4(add<Timer>("Timer4", 200)), Timer5(add<Timer>("Timer5", 1000)),
      Timer6(add<Timer>("Timer6", 100)), Timer7(add<Timer>("Timer7", 100)),
      Timer8(add<Timer>("Timer8", 200)), Timer10(add<Timer>("Timer10", 10)),
      ReadCA1(add<MenuItem>("ReadCA1", "Read square", "File", false)),
      WriteCA1(add<MenuItem>("WriteCA1", "Write square", "File", false)),
      sq21(add<MenuItem>("sq21", "R sq(2)", "File", false)),
      Wsq21(add<MenuItem>("Wsq21", "W sq(2)", "File", false)),
      Rsq31(add<MenuItem>("Rsq31", "R sq(3)", "File", false)),
      Wsq31(add<MenuItem>("Wsq31", "W sq(3)", "File", false)),
      sq41(add<MenuItem>("sq41", "R sq(4)", "File", false)),
      Wsq41(add<MenuItem>("Wsq41", "W sq(4)", "File", false)),
      Rsq51(add<MenuItem>("Rsq51", "R sq(5)", "File", false)),
      Wsq51(add<MenuItem>("Wsq51", "W sq(5)", "File", false)),
      N159101(add<MenuItem>("N159101", "Re 15 9 10", "File", false)),
      MouseSoliton1(add<MenuItem>("MouseSoliton1", "Mouse soliton", "File", true)),
      Clear1(add<MenuItem>("Clear1", "Clear", "Initial", false)),
      Clearall1(add<MenuItem>("Clearall1", "Clear all", "Initial", false)),
      XXX1(add<MenuItem>("XXX1", "XXX", "Initial", false)),
      Make1(add<MenuItem>("Make1", "Make ", "Initial", false)),
      randomize2(add<MenuItem>("randomize2", "randomize", "Initial", true)),
      Timer101(add<MenuItem>("Timer101", "Timer10", "Initial", true)),
      Center1(add<MenuItem>("Center1", "Center", "Initial", false)),
      LineCenter1(add<MenuItem>("LineCenter1", "Line Center", "Initial", false)),
      Line1(add<MenuItem>("Line1", "Line", "Initial", false)),
      CBCnBtimes1(add<MenuItem>("CBCnBtimes1", "CBC... nB times", "Initial", false)),
      NtimesCB1(add<MenuItem>("NtimesCB1", "N times CB", "Initial", false)),
      RANDOM1(add<MenuItem>("RANDOM1", "RANDOM", "Initial", false)),
      Nrandpoint1(add<MenuItem>("Nrandpoint1", "N rand. point C", "Initial", false)),
      N6Npoints1(add<MenuItem>("N6Npoints1", "6*N points", "Initial", false)),
      DO1(add<MenuItem>("DO1", "DO", "Initial", false)),
      Nonreversible1(add<MenuItem>("Nonreversible1", "Non reversible", "Initial", true)),
      NOTSTOP1(add<MenuItem>("NOTSTOP1", "NOT STOP", "Initial", true)),
      IsStopwhenN1(add<MenuItem>("IsStopwhenN1", "Is Stop when N=...", "Initial", true)),
      IsStopwhenNC01(add<MenuItem>("IsStopwhenNC01", "Is Stop when N(C)=0", "Initial", true)),
      IaStopwhenReverse1(
          add<MenuItem>("IaStopwhenReverse1", "Ia Stop  when Reverse", "Initial", true)),
      IsStopwheniCX1(add<MenuItem>("IsStopwheniCX1", "Is Stop when iC X", "Initial", true)),
      Vnacalo1(add<MenuItem>("Vnacalo1", "V nacalo", "Initial", true)),
      Estobr1(add<MenuItem>("Estobr1", "Est obr", "Initial", true)),
      Time21(add<MenuItem>("Time21", "Time *2", "Manage", false)),
      N210(add<MenuItem>("N210", "Time /2", "Manage", false)),
      Dontshow1(add<MenuItem>("Dontshow1", "Don't show", "Manage", true)),
      ShowI1(add<MenuItem>("ShowI1", "Show (I)", "Manage", true)),
      ShowII1(add<MenuItem>("ShowII1", "Show (II)", "Manage", true)),
      zaplambdX1(add<MenuItem>("zaplambdX1", "zap lambdX", "KiyFile", true)),
      WriteLOGfile1(add<MenuItem>("WriteLOGfile1", "Read RCA->\"Square\"", "T=6", true)),
      Nographics1(add<MenuItem>("Nographics1", "No graphics", "T=6", true)),
      NoDRAW1(add<MenuItem>("NoDRAW1", "No DRAW", "Video", true)),
      notpaint1(add<MenuItem>("notpaint1", "not paint", "EXPO_1", true)),
      F11(add<MenuItem>("F11", "F1", "Help", true)), Label21(add<Label>("Label21", "+")),
      Label57(add<Label>("Label57", "X")), Label69(add<Label>("Label69", "0")) {
    maskLeft = {nullptr,    &CheckBox3, &CheckBox4,  &CheckBox5,  &CheckBox6,  &CheckBox7,
                &CheckBox8, &CheckBox9, &CheckBox10, &CheckBox11, &CheckBox12, &CheckBox13};
    maskRight = {nullptr,     &CheckBox14, &CheckBox15, &CheckBox16, &CheckBox17, &CheckBox18,
                 &CheckBox19, &CheckBox20, &CheckBox21, &CheckBox22, &CheckBox23, &CheckBox24};

    auto text = [this](const std::string& name, const std::string& caption) -> Label& {
        return add<Label>(name, caption);
    };
    auto at = [](Control& c, const std::string& parent, int x, int y, int w, int h) {
        c.place(parent, {x, y, w, h});
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
        at(text("Row" + std::to_string(k), "[" + std::to_string(k) + "]"), "GroupBoxResults", 6, y,
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
    for (MenuItem* m : {&Nrandpoint1, &N6Npoints1, &DO1, &ShowI1, &ShowII1})
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

Label& TForm1::label(const std::string& name) const {
    auto* l = findAs<Label>(name);
    if (!l) throw std::logic_error("TForm1 has no label " + name);
    return *l;
}

} // namespace rca
