#pragma once
// The main window's controls, each declared once with its component name.
// Every subsystem may use them; TForm1 (app/) lays them out.
#include "forms/form.h"

#include <array>
#include <string>
#include <vector>

namespace rca {

class MainControls : public Form {
  public:
    MainControls();

    // Any label by name; throws std::logic_error for a name the window lacks.
    Label& label(const std::string& name) const;

    // Mask: maskLeft[d] and maskRight[d] for d = 1..11 (index 0 unused).
    std::array<CheckBox*, 12> maskLeft{};
    std::array<CheckBox*, 12> maskRight{};

    // Mask: Left[d] and Right[d] for d = 1..11 (index 0 unused).
    RCA_CONTROL(CheckBox, CheckBox3, "1", true);
    RCA_CONTROL(CheckBox, CheckBox4, "2", false);
    RCA_CONTROL(CheckBox, CheckBox5, "3", false);
    RCA_CONTROL(CheckBox, CheckBox6, "4", false);
    RCA_CONTROL(CheckBox, CheckBox7, "5", false);
    RCA_CONTROL(CheckBox, CheckBox8, "6", false);
    RCA_CONTROL(CheckBox, CheckBox9, "7", false);
    RCA_CONTROL(CheckBox, CheckBox10, "8", false);
    RCA_CONTROL(CheckBox, CheckBox11, "9", false);
    RCA_CONTROL(CheckBox, CheckBox12, "10", false);
    RCA_CONTROL(CheckBox, CheckBox13, "11", false);
    RCA_CONTROL(CheckBox, CheckBox14, "1", true);
    RCA_CONTROL(CheckBox, CheckBox15, "2", true);
    RCA_CONTROL(CheckBox, CheckBox16, "3", false);
    RCA_CONTROL(CheckBox, CheckBox17, "4", false);
    RCA_CONTROL(CheckBox, CheckBox18, "5", false);
    RCA_CONTROL(CheckBox, CheckBox19, "6", false);
    RCA_CONTROL(CheckBox, CheckBox20, "7", false);
    RCA_CONTROL(CheckBox, CheckBox21, "8", false);
    RCA_CONTROL(CheckBox, CheckBox22, "9", false);
    RCA_CONTROL(CheckBox, CheckBox23, "10", false);
    RCA_CONTROL(CheckBox, CheckBox24, "11", false);

    // VIEW
    RCA_CONTROL(CheckBox, CheckBox1, "mA");        // mA
    RCA_CONTROL(CheckBox, CheckBox2, "mB");        // mB
    RCA_CONTROL(CheckBox, CheckBox29, "mC");       // mC
    RCA_CONTROL(CheckBox, CheckBox30, "mdA");      // mdA
    RCA_CONTROL(CheckBox, CheckBox31, "mdB");      // mdB
    RCA_CONTROL(CheckBox, CheckBox32, "mdC");      // mdC
    RCA_CONTROL(CheckBox, CheckBox33, "Ordinary"); // Ordinary
    RCA_CONTROL(CheckBox, CheckBox34, "");
    RCA_CONTROL(CheckBox, CheckBox35, "CheckBox35");

    // Edit fields (visible: Edit1, Edit2, Edit7).
    RCA_CONTROL(Edit, Edit1, "11");
    RCA_CONTROL(Edit, Edit2, "6");
    RCA_CONTROL(Edit, Edit3, "1");
    RCA_CONTROL(Edit, Edit4, "5");
    RCA_CONTROL(Edit, Edit5, "19");
    RCA_CONTROL(Edit, Edit6, "Edit6");
    RCA_CONTROL(Edit, Edit7, "Edit7");
    RCA_CONTROL(Edit, Edit8, "Edit8");
    RCA_CONTROL(Edit, Edit9, "Edit9");
    RCA_CONTROL(Edit, Edit10, "0");
    RCA_CONTROL(Edit, Edit20, "0");
    RCA_CONTROL(Edit, Edit21, "300");
    RCA_CONTROL(Edit, Edit22, "14");
    RCA_CONTROL(Edit, Edit23, "Edit23");
    RCA_CONTROL(Edit, Edit24, "300");
    RCA_CONTROL(Edit, Edit25, "30");
    RCA_CONTROL(Edit, Edit26, "20");
    RCA_CONTROL(Edit, Edit27, "40");
    RCA_CONTROL(Edit, Edit28, "1000000");
    RCA_CONTROL(Edit, Edit29, "1000");

    RCA_CONTROL(UpDown, UpDown1, 1, 100, 6);
    RCA_CONTROL(UpDown, UpDown2, 0, 131, 70);
    RCA_CONTROL(UpDown, UpDown3, 1, 100, 1);
    RCA_CONTROL(UpDown, UpDown4, 0, 100, 0);
    RCA_CONTROL(UpDown, UpDown5, 0, 1000, 0, 10);
    RCA_CONTROL(UpDown, UpDown6, 0, 4, 0);

    RCA_CONTROL(RadioGroup, RadioGroup2, "Border",
                std::vector<std::string>{"Frozen A", "Circle"}); // Border
    RCA_CONTROL(RadioGroup, RadioGroup3, "Kind",
                std::vector<std::string>{"Standart", "Mask"});                               // Kind
    RCA_CONTROL(RadioGroup, RadioGroup7, "MAIN", std::vector<std::string>{"3 x", "Normal"}); // MAIN
    RCA_CONTROL(RadioGroup, RadioGroup8, "1 DUM",
                std::vector<std::string>{"1 dim.", "2 dim."}); // 1 DUM
    RCA_CONTROL(RadioGroup, RadioGroup9, "napr-nal",
                std::vector<std::string>{"0", "1"}); // napr-nal (side selector)
    RCA_CONTROL(RadioGroup, RadioGroup11, "vniz-vverh",
                std::vector<std::string>{"vniz", "verh"}); // vniz-vverh (rise selector)
    RCA_CONTROL(RadioGroup, RadioGroup12, "Prediction",
                std::vector<std::string>{"Yes", "No"}); // Prediction
    RCA_CONTROL(RadioGroup, RadioGroupMouse, "Mouse", std::vector<std::string>{"1", "2"});

    // Visible buttons.
    RCA_CONTROL(Button, Button1, "One st."); // One st.
    RCA_CONTROL(Button, Button2, "n steps"); // n steps
    RCA_CONTROL(Button, Button57, "-");      // - (next to n steps)
    RCA_CONTROL(Button, Button72, "-");      // - (next to One st.)
    RCA_CONTROL(Button, Button6, "GO");      // GO
    RCA_CONTROL(Button, Button7, "Stop");    // Stop
    RCA_CONTROL(Button, Button8, "Clear");   // Clear
    RCA_CONTROL(Button, Button58, "Random"); // Random
    RCA_CONTROL(Button, Button28, "Wr");     // Wr
    RCA_CONTROL(Button, Button106, "R");     // R
    RCA_CONTROL(Button, Button42, "D");      // D
    RCA_CONTROL(Button, Button93, "G");      // G
    RCA_CONTROL(Button, Button101, "Gd");    // Gd
    // Hidden buttons reached from code.
    RCA_CONTROL(Button, Button3, "Пок (3)");
    RCA_CONTROL(Button, Button5, "M A =0 5");
    RCA_CONTROL(Button, Button10, "Reverse");
    RCA_CONTROL(Button, Button22, "Button22");
    RCA_CONTROL(Button, Button25, "Button25");
    RCA_CONTROL(Button, Button50, "50");
    RCA_CONTROL(Button, Button53, "Button53");
    RCA_CONTROL(Button, Button56, "=0");
    RCA_CONTROL(Button, Button69, "T");
    RCA_CONTROL(Button, Button92, "Ris Th 92");
    RCA_CONTROL(Button, Button94, "+1 94");
    RCA_CONTROL(Button, Button95, "0 na +1 (Sli) 95");
    RCA_CONTROL(Button, Button96, "St marker 96");
    RCA_CONTROL(Button, Button97, "Vikid 97");
    RCA_CONTROL(Button, Button98, "Theory 98");
    RCA_CONTROL(Button, Button99, "Pust+Mar=4 99");
    RCA_CONTROL(Button, Button100, "Krug v 3  +1 100");
    RCA_CONTROL(Button, Button105, "Th2 105");

    RCA_CONTROL(GroupBox, GroupBoxMask, "Mask", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxLength, "Length", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxInitial, "Initial", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxManage, "Manage", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxStepWork, "Step work", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxResults, "Results", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxView, "VIEW", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxTest, "Test (1,1)", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBoxTheory, "Theory", clBtnFace);

    RCA_CONTROL(StatusBar, StatusBar1);

    RCA_CONTROL(Timer, Timer1, 1);
    RCA_CONTROL(Timer, Timer2, 1);
    RCA_CONTROL(Timer, Timer3, 200);
    RCA_CONTROL(Timer, Timer4, 200);
    RCA_CONTROL(Timer, Timer5, 1000);
    RCA_CONTROL(Timer, Timer6, 100);
    RCA_CONTROL(Timer, Timer7, 100);
    RCA_CONTROL(Timer, Timer8, 200);
    RCA_CONTROL(Timer, Timer10, 10);

    // Menu items, by menu.
    // File
    RCA_CONTROL(MenuItem, ReadCA1, "Read square", "File", false);
    RCA_CONTROL(MenuItem, WriteCA1, "Write square", "File", false);
    RCA_CONTROL(MenuItem, sq21, "R sq(2)", "File", false);
    RCA_CONTROL(MenuItem, Wsq21, "W sq(2)", "File", false);
    RCA_CONTROL(MenuItem, Rsq31, "R sq(3)", "File", false);
    RCA_CONTROL(MenuItem, Wsq31, "W sq(3)", "File", false);
    RCA_CONTROL(MenuItem, sq41, "R sq(4)", "File", false);
    RCA_CONTROL(MenuItem, Wsq41, "W sq(4)", "File", false);
    RCA_CONTROL(MenuItem, Rsq51, "R sq(5)", "File", false);
    RCA_CONTROL(MenuItem, Wsq51, "W sq(5)", "File", false);
    RCA_CONTROL(MenuItem, N159101, "Re 15 9 10", "File", false);
    RCA_CONTROL(MenuItem, MouseSoliton1, "Mouse soliton", "File", true);
    // Initial
    RCA_CONTROL(MenuItem, Clear1, "Clear", "Initial", false);
    RCA_CONTROL(MenuItem, Clearall1, "Clear all", "Initial", false);
    RCA_CONTROL(MenuItem, XXX1, "XXX", "Initial", false);
    RCA_CONTROL(MenuItem, Make1, "Make ", "Initial", false);
    RCA_CONTROL(MenuItem, randomize2, "randomize", "Initial", true);
    RCA_CONTROL(MenuItem, Timer101, "Timer10", "Initial", true);
    RCA_CONTROL(MenuItem, Center1, "Center", "Initial", false);
    RCA_CONTROL(MenuItem, LineCenter1, "Line Center", "Initial", false);
    RCA_CONTROL(MenuItem, Line1, "Line", "Initial", false);
    RCA_CONTROL(MenuItem, CBCnBtimes1, "CBC... nB times", "Initial", false);
    RCA_CONTROL(MenuItem, NtimesCB1, "N times CB", "Initial", false);
    RCA_CONTROL(MenuItem, RANDOM1, "RANDOM", "Initial", false);
    RCA_CONTROL(MenuItem, Nrandpoint1, "N rand. point C", "Initial", false);
    RCA_CONTROL(MenuItem, N6Npoints1, "6*N points", "Initial", false);
    RCA_CONTROL(MenuItem, DO2, "DO", "Initial", false);
    RCA_CONTROL(MenuItem, Nonreversible1, "Non reversible", "Initial", true);
    RCA_CONTROL(MenuItem, NOTSTOP1, "NOT STOP", "Initial", true);
    RCA_CONTROL(MenuItem, IsStopwhenN1, "Is Stop when N=...", "Initial", true);
    RCA_CONTROL(MenuItem, IsStopwhenNC01, "Is Stop when N(C)=0", "Initial", true);
    RCA_CONTROL(MenuItem, IaStopwhenReverse1, "Ia Stop  when Reverse", "Initial", true);
    RCA_CONTROL(MenuItem, IsStopwheniCX1, "Is Stop when iC X", "Initial", true);
    RCA_CONTROL(MenuItem, Vnacalo1, "V nacalo", "Initial", true);
    RCA_CONTROL(MenuItem, Estobr1, "Est obr", "Initial", true);
    // Manage
    RCA_CONTROL(MenuItem, Time21, "Time *2", "Manage", false);
    RCA_CONTROL(MenuItem, N210, "Time /2", "Manage", false);
    RCA_CONTROL(MenuItem, Dontshow1, "Don't show", "Manage", true);
    RCA_CONTROL(MenuItem, ShowI1, "Show (I)", "Manage", true);
    RCA_CONTROL(MenuItem, ShowII1, "Show (II)", "Manage", true);
    // KiyFile, T=6, Video, EXPO_1, Help
    RCA_CONTROL(MenuItem, zaplambdX1, "zap lambdX", "KiyFile", true);
    RCA_CONTROL(MenuItem, WriteLOGfile1, "Read RCA->\"Square\"", "T=6", false); // opens TForm15
    RCA_CONTROL(MenuItem, Nographics1, "No graphics", "T=6", true);
    RCA_CONTROL(MenuItem, NoDRAW1, "No DRAW", "Video", true);
    RCA_CONTROL(MenuItem, notpaint1, "not paint", "EXPO_1", true);
    RCA_CONTROL(MenuItem, F11, "F1", "Help", true);

    RCA_CONTROL(Label, Label21, "+"); // "+" / "-" direction
    RCA_CONTROL(Label, Label57, "X"); // theory verdict
    RCA_CONTROL(Label, Label69, "0"); // clock origin
};

// Titles of the main menu, in order.
const std::array<const char*, 19>& mainMenuTitles();

} // namespace rca
