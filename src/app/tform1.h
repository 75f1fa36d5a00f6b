#pragma once
// The main window's controls, by their component names. Layout lives here so
// every front end shows the same window.
#include "app/form.h"

#include <array>
#include <stdexcept>

namespace rca {

class TForm1 : public Form {
  public:
    TForm1();

    // Any label by name; throws std::logic_error for a name the window lacks.
    Label& label(const std::string& name) const;

    // Mask: Left[d] and Right[d] for d = 1..11 (index 0 unused).
    CheckBox& CheckBox3;
    CheckBox& CheckBox4;
    CheckBox& CheckBox5;
    CheckBox& CheckBox6;
    CheckBox& CheckBox7;
    CheckBox& CheckBox8;
    CheckBox& CheckBox9;
    CheckBox& CheckBox10;
    CheckBox& CheckBox11;
    CheckBox& CheckBox12;
    CheckBox& CheckBox13;
    CheckBox& CheckBox14;
    CheckBox& CheckBox15;
    CheckBox& CheckBox16;
    CheckBox& CheckBox17;
    CheckBox& CheckBox18;
    CheckBox& CheckBox19;
    CheckBox& CheckBox20;
    CheckBox& CheckBox21;
    CheckBox& CheckBox22;
    CheckBox& CheckBox23;
    CheckBox& CheckBox24;
    std::array<CheckBox*, 12> maskLeft{};
    std::array<CheckBox*, 12> maskRight{};

    // VIEW
    CheckBox& CheckBox1;  // mA
    CheckBox& CheckBox2;  // mB
    CheckBox& CheckBox29; // mC
    CheckBox& CheckBox30; // mdA
    CheckBox& CheckBox31; // mdB
    CheckBox& CheckBox32; // mdC
    CheckBox& CheckBox33; // Ordinary
    CheckBox& CheckBox34;
    CheckBox& CheckBox35;

    // Edit fields (visible: Edit1, Edit2, Edit7).
    Edit& Edit1;
    Edit& Edit2;
    Edit& Edit3;
    Edit& Edit4;
    Edit& Edit5;
    Edit& Edit6;
    Edit& Edit7;
    Edit& Edit8;
    Edit& Edit9;
    Edit& Edit10;
    Edit& Edit20;
    Edit& Edit21;
    Edit& Edit22;
    Edit& Edit23;
    Edit& Edit24;
    Edit& Edit25;
    Edit& Edit26;
    Edit& Edit27;
    Edit& Edit28;
    Edit& Edit29;

    UpDown& UpDown1;
    UpDown& UpDown2;
    UpDown& UpDown3;
    UpDown& UpDown4;
    UpDown& UpDown5;
    UpDown& UpDown6;

    RadioGroup& RadioGroup2;  // Border
    RadioGroup& RadioGroup3;  // Kind
    RadioGroup& RadioGroup7;  // MAIN
    RadioGroup& RadioGroup8;  // 1 DUM
    RadioGroup& RadioGroup9;  // napr-nal (side selector)
    RadioGroup& RadioGroup11; // vniz-vverh (rise selector)
    RadioGroup& RadioGroup12; // Prediction
    RadioGroup& RadioGroupMouse;

    // Visible buttons.
    Button& Button1;   // One st.
    Button& Button2;   // n steps
    Button& Button57;  // - (next to n steps)
    Button& Button72;  // - (next to One st.)
    Button& Button6;   // GO
    Button& Button7;   // Stop
    Button& Button8;   // Clear
    Button& Button58;  // Random
    Button& Button28;  // Wr
    Button& Button106; // R
    Button& Button42;  // D
    Button& Button93;  // G
    Button& Button101; // Gd
    // Hidden buttons reached from code.
    Button& Button3;
    Button& Button5;
    Button& Button10;
    Button& Button22;
    Button& Button25;
    Button& Button50;
    Button& Button53;
    Button& Button56;
    Button& Button69;
    Button& Button92;
    Button& Button94;
    Button& Button95;
    Button& Button96;
    Button& Button97;
    Button& Button98;
    Button& Button99;
    Button& Button100;
    Button& Button105;

    GroupBox& GroupBoxMask;
    GroupBox& GroupBoxLength;
    GroupBox& GroupBoxInitial;
    GroupBox& GroupBoxManage;
    GroupBox& GroupBoxStepWork;
    GroupBox& GroupBoxResults;
    GroupBox& GroupBoxView;
    GroupBox& GroupBoxTest;
    GroupBox& GroupBoxTheory;

    StatusBar& StatusBar1;

    Timer& Timer1;
    Timer& Timer2;
    Timer& Timer3;
    Timer& Timer4;
    Timer& Timer5;
    Timer& Timer6;
    Timer& Timer7;
    Timer& Timer8;
    Timer& Timer10;

    // Menu items, by menu.
    // File
    MenuItem& ReadCA1;
    MenuItem& WriteCA1;
    MenuItem& sq21;
    MenuItem& Wsq21;
    MenuItem& Rsq31;
    MenuItem& Wsq31;
    MenuItem& sq41;
    MenuItem& Wsq41;
    MenuItem& Rsq51;
    MenuItem& Wsq51;
    MenuItem& N159101;
    MenuItem& MouseSoliton1;
    // Initial
    MenuItem& Clear1;
    MenuItem& Clearall1;
    MenuItem& XXX1;
    MenuItem& Make1;
    MenuItem& randomize2;
    MenuItem& Timer101;
    MenuItem& Center1;
    MenuItem& LineCenter1;
    MenuItem& Line1;
    MenuItem& CBCnBtimes1;
    MenuItem& NtimesCB1;
    MenuItem& RANDOM1;
    MenuItem& Nrandpoint1;
    MenuItem& N6Npoints1;
    MenuItem& DO1;
    MenuItem& Nonreversible1;
    MenuItem& NOTSTOP1;
    MenuItem& IsStopwhenN1;
    MenuItem& IsStopwhenNC01;
    MenuItem& IaStopwhenReverse1;
    MenuItem& IsStopwheniCX1;
    MenuItem& Vnacalo1;
    MenuItem& Estobr1;
    // Manage
    MenuItem& Time21;
    MenuItem& N210;
    MenuItem& Dontshow1;
    MenuItem& ShowI1;
    MenuItem& ShowII1;
    // KiyFile, T=6, Video, EXPO_1, Help
    MenuItem& zaplambdX1;
    MenuItem& WriteLOGfile1;
    MenuItem& Nographics1;
    MenuItem& NoDRAW1;
    MenuItem& notpaint1;
    MenuItem& F11;

    Label& Label21; // "+" / "-" direction
    Label& Label57; // theory verdict
    Label& Label69; // clock origin
};

// Titles of the main menu, in order.
const std::array<const char*, 19>& mainMenuTitles();

} // namespace rca
