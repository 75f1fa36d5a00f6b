// FormShow: the start-up defaults of the model and the main window, in their
// fixed order, ending with the first random trial. Steps that set another
// window's controls are that window's own: it registers them with
// Bench::atStartupStep and they run here at their place.
#include "app/workbench.h"
#include "forms/wiring.h"

#include <initializer_list>

namespace rca {

namespace {

void setChecks(std::initializer_list<CheckBox*> boxes, bool checked) {
    for (CheckBox* b : boxes)
        b->setChecked(checked);
}

void setMarks(std::initializer_list<MenuItem*> items, bool checked) {
    for (MenuItem* m : items)
        m->setChecked(checked);
}

// Steps 1 to 9: help note, length, prediction, view, experiment marks, mask,
// '1 DUM', 'MAIN'.
void showDefaultsFirstPart(Workbench& wb) {
    TForm1& f = wb.form1();
    Model& m = wb.model();
    f.F11.setChecked(false);
    m.lineLength = m.squareRows = m.squareCols = 11;
    f.RadioGroup12.setItemIndex(1); // 'Prediction' "No"
    // Checking 'Ordinary' runs its handler, which applies the enabling rule.
    setChecks({&f.CheckBox34, &f.CheckBox35, &f.CheckBox33}, true);
    setChecks(
        {&f.CheckBox1, &f.CheckBox2, &f.CheckBox29, &f.CheckBox30, &f.CheckBox31, &f.CheckBox32},
        true);
    // Experimental marks ('not ITZ', 'G', 'G05', 'GD', 'G05D', 'ies Ne sol',
    // 'ies ZAD', 'is SMES', 'kva-krug', 'VIKL dlja labdx', 'zap nor obr',
    // 'View Graph', 'Is zap aa', 'is Plosk') belong to the research menus.
    f.Timer101.setChecked(false);
    f.RadioGroup11.setItemIndex(0);
    f.RadioGroup9.setItemIndex(0);
    f.Vnacalo1.setChecked(true);
    setMarks({&f.zaplambdX1, &f.Estobr1}, false);
    wb.runStartupStep(5);
    // Mask: left 1, right 1 and 2; right 5 keeps its form default.
    f.CheckBox3.setChecked(true);
    for (int d = 2; d <= maxDistance; ++d)
        f.maskLeft[d]->setChecked(false);
    setChecks({&f.CheckBox14, &f.CheckBox15}, true);
    for (int d : {3, 4, 6, 7, 8, 9, 10, 11})
        f.maskRight[d]->setChecked(false);
    f.RadioGroup8.setItemIndex(0); // '1 dim.'
    wb.runStartupStep(7);
    // The four experiment integers (55, 443, 724, 614) serve menus this
    // program does not have.
    f.UpDown6.setPosition(0);
    wb.runStartupStep(8);
    // The river/NAK/Vid marks are experimental; the T=6 menu checks 'Is IZM'
    // at this step.
    f.RadioGroup7.setItemIndex(1); // 'MAIN' "Normal": clears and redraws
    setMarks({&f.NOTSTOP1, &f.notpaint1}, false);
    wb.runStartupStep(9);
}

// Steps 10 to 23: other windows' defaults, mouse, counts, border kind, stop
// marks, pens.
void showDefaultsSecondPart(Workbench& wb) {
    TForm1& f = wb.form1();
    for (int step = 10; step <= 12; ++step)
        wb.runStartupStep(step);
    setMarks({&f.Nographics1, &f.MouseSoliton1, &f.NoDRAW1}, false);
    wb.runStartupStep(13);
    wb.runStartupStep(14);
    wb.runStartupStep(15);
    f.RadioGroupMouse.setItemIndex(0);
    wb.runStartupStep(16);
    f.Edit6.setText("0");
    f.Edit7.setText("8");
    f.RadioGroup3.setItemIndex(1); // 'Kind' "Mask": the border becomes Circle
    f.WriteLOGfile1.setChecked(false);
    wb.runStartupStep(18);
    wb.runStartupStep(19);
    wb.runStartupStep(20);
    f.RadioGroupMouse.setItemIndex(0);
    setMarks({&f.randomize2, &f.IsStopwhenN1}, false);
    f.IsStopwhenNC01.setChecked(true);
    setMarks({&f.IaStopwhenReverse1, &f.IsStopwheniCX1, &f.Nonreversible1}, false);
    wb.runStartupStep(21);
    f.UpDown4.setPosition(5); // its handler does not run: the pens keep theirs
    setMarks({&f.ShowI1, &f.ShowII1}, false);
    wb.runStartupStep(23);
    setMarks({&f.ShowI1, &f.ShowII1}, false);
}

// Steps 24 to 31: clear, spinners, border, steps per press, first trial.
void showDefaultsLastPart(Workbench& wb) {
    TForm1& f = wb.form1();
    Model& m = wb.model();
    wb.canvas().pen.width = 0;
    wb.run("Button8Click");
    f.UpDown1.setPosition(6);
    f.UpDown2.setPosition(m.lineLength);
    f.RadioGroup2.setItemIndex(0); // Frozen A
    f.Dontshow1.setChecked(false);
    f.Label21.setCaption("+");
    wb.runStartupStep(27);
    wb.runStartupStep(28);
    f.RadioGroup2.setItemIndex(1); // Circle
    m.stepsPerPress = 1;
    f.Edit2.setText("1");
    f.UpDown1.setPosition(1);
    wb.run("Button58Click");
}

} // namespace

void registerStartup(Bench& bench) {
    auto& wb = static_cast<Workbench&>(bench);
    Workbench* w = &wb;
    defineForm(wb, wb.form1(), "Show", [w] {
        showDefaultsFirstPart(*w);
        showDefaultsSecondPart(*w);
        showDefaultsLastPart(*w);
    });
}

} // namespace rca
