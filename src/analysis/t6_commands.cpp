// The 'T=6' menu: the square view switches, 'BEGIN 2', the presets 'Sh=31'
// and 'Siz=71', and the trial generator 'Begim' with Timer6. The sweep
// driver: each Timer6 tick sets up trial t6Trial and starts the run; the run
// ends when the trial check ends it or at the IMPROVE trial cap (timeAll
// steps); the number of steps it ran becomes the trial's tally and Timer6 is
// armed for the next trial, up to trial 135, which sets up the square and
// starts no run. 'Stop' and every trial set-up of the user's end the sweep.
#include "analysis/improve_state.h"
#include "analysis/t6_registration.h"
#include "analysis/t6_state.h"
#include "analysis/t6_trials.h"
#include "analysis/tform13.h"
#include "engine/random_line.h"
#include "engine/trial_check.h"
#include "files/preset_byte.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "setup/square_update.h"
#include "state/fixed_paths.h"
#include "state/saturating.h"

#include <string>
#include <vector>

namespace rca {

namespace {

struct T6Menu {
    MenuItem* orThree;    // '1 OR 3 SQUARE'
    MenuItem* cOrB;       // 'C ? B'
    MenuItem* parameters; // 'Show parameters'
    RadioGroup* cOrS;     // hidden 'C or S': "Cir." / "Sqr."
};

void stepsToOne(Bench& wb) {
    wb.model().stepsPerPress = 1;
    wb.form1().Edit2.setText("1");
    wb.form1().UpDown1.setPosition(1);
}

// 'Clear' (the main window's, which leaves no frame), the seed points with `first` as the first
// one, and the square reset that writes them.
void setUpSquare(Bench& wb, const T6Menu& menu, SquarePoint first) {
    Model& m = wb.model();
    wb.run("Button8Click");
    setT6Seeds(m, first, m.squareRows, m.squareCols, menu.cOrB->checked());
    updateSquare(m, m, m, m.squareRows, m.squareCols, SquarePoints::CAndB);
}

void begim(Bench& wb, const T6Menu& menu) {
    Model& m = wb.model();
    T6State& s = wb.state<T6State>();
    m.squareRows = m.squareCols = 31;
    writeField(wb, wb.form1().Edit1, 31);
    wb.form1().UpDown2.setPosition(31);
    s.t6Trial = 0;
    s.t6Tallies.fill(0);
    s.trialRunning = false;
    s.stopRequested = false;
    setUpSquare(wb, menu, {0, 0});
    m.stepTime = 0;
    wb.form1().Timer6.setEnabled(true);
}

void oneTrial(Bench& wb, const T6Menu& menu) {
    MainControls& f = wb.form1();
    T6State& s = wb.state<T6State>();
    f.Timer6.setEnabled(false);
    const auto offset = trialOffset(s.t6Trial);
    if (!offset) {
        wb.report("T=6: trial " + std::to_string(s.t6Trial) + " is outside 0 .. " +
                  std::to_string(t6LastTrial) + "; no trial is set up");
        return;
    }
    setUpSquare(wb, menu, *offset);
    if (s.t6Trial == t6LastTrial) {
        f.StatusBar1.setText("  T6 trials done: " + std::to_string(t6LastTrial));
        return;
    }
    // A run after a finished one would otherwise end at its first step.
    resetTrialMarkers(wb.model());
    s.trialRunning = true;
    s.trialSteps = 0;
    f.Timer1.setEnabled(true);
}

// The tally is the number of steps the trial ran: the theory check of an
// evaluation moves stepTime, and 'Reverse' counts it down.
void concludeTrial(Bench& wb) {
    T6State& s = wb.state<T6State>();
    s.trialRunning = false;
    if (s.t6Trial >= 0 && s.t6Trial < t6TallyCount)
        s.t6Tallies[static_cast<size_t>(s.t6Trial)] = s.trialSteps;
    countUp(s.t6Trial);
    if (!s.stopRequested && s.t6Trial <= t6LastTrial) wb.form1().Timer6.setEnabled(true);
}

// The main 'Stop' or a set-up of the user's: the trial under way, if any,
// is not the sweep's any more.
void endSweep(Bench& wb) {
    T6State& s = wb.state<T6State>();
    s.trialRunning = false;
    s.stopRequested = true;
    wb.form1().Timer6.setEnabled(false);
}

// The driver watches every step of the run through the trial check, and
// lets the sweep go when the user stops the run or sets up a trial.
void watchTrials(Bench& wb) {
    TrialCheck& check = wb.state<TrialCheck>();
    T6State* s = &wb.state<T6State>();
    const ImproveState* cap = &wb.state<ImproveState>();
    check.ended = [inner = check.ended, s, cap](Bench& b) {
        if (s->trialRunning) countUp(s->trialSteps);
        const bool ended = inner && inner(b);
        if (!s->trialRunning) return ended;
        if (!ended) {
            if (s->trialSteps < cap->timeAll) return false;
            stopRunAtCap(b);
        }
        concludeTrial(b);
        return true;
    };
    check.abandoned = [outer = check.abandoned](Bench& b) {
        if (outer) outer(b);
        endSweep(b);
    };
}

// 'Kind' "Mask", mask test boxes 12, 9, 10 off, border 'Circle'.
void presetCommon(Bench& wb) {
    MainControls& f = wb.form1();
    f.RadioGroup3.setItemIndex(1);
    if (auto* mask = dynamic_cast<TForm13*>(wb.form("TForm13")))
        for (int b : {12, 9, 10})
            mask->box(b).setChecked(false);
    f.RadioGroup2.setItemIndex(1);
    wb.model().borderMode = 1;
}

void readPreset(Bench& wb, const char* file) {
    const std::filesystem::path path = wb.file(file);
    if (!readPresetByte(path, wb.model()))
        wb.report("cannot read " + fixedPath(file) + ": " + presetByteFailure(path));
}

void squareSide(Bench& wb, int side) {
    Model& m = wb.model();
    m.squareRows = side;
    writeField(wb, wb.form1().Edit1, side);
    m.squareCols = m.squareRows;
}

void registerSwitches(Bench& wb, const T6Menu& menu, std::vector<MenuItem*>& cnc) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    auto item = [&f](const char* name, const char* caption) -> MenuItem& {
        return f.add<MenuItem>(name, caption, "T=6", true);
    };
    auto redraw = [w] { w->run("Button3Click"); };
    MenuItem* orThree = menu.orThree;
    define(wb, *orThree, "Click", [w, orThree, redraw] {
        orThree->toggle();
        redraw();
        if (orThree->checked()) stepsToOne(*w);
    });
    MenuItem& coins = item("Is6coins1", "Is 6 coins.");
    define(wb, coins, "Click", [w, &coins, orThree, redraw] {
        coins.toggle();
        redraw();
        if (orThree->checked()) stepsToOne(*w);
    });
    for (auto [name, caption] :
         {std::pair{"XXcnc1", "ACons"}, {"NoA1", "No Apres"}, {"Iz22", "Iz+... (2)"}}) {
        MenuItem& m = item(name, caption);
        define(wb, m, "Click", [&m, redraw] {
            m.toggle();
            redraw();
        });
    }
    for (auto [name, caption] :
         {std::pair{"Cnc01", "Cnc 0"}, {"Cnc11", "Cnc 1"}, {"Cnc21", "Cnc 2"}})
        cnc.push_back(&item(name, caption));
    for (MenuItem* clicked : cnc)
        define(wb, *clicked, "Click", [clicked, cnc, redraw] {
            for (MenuItem* c : cnc)
                c->setChecked(c == clicked);
            redraw();
        });
    for (auto [name, caption] :
         {std::pair{"isRIVER1", "is RIVER"}, {"IsIZM1", "Is IZM"}, {"PorM1", "P or M"}})
        defineToggle(wb, item(name, caption));
    defineToggle(wb, *menu.parameters);
    defineToggle(wb, *menu.cOrB);
}

void registerBegin2(Bench& wb, const T6Menu& menu) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.add<MenuItem>("BEGIN21", "BEGIN 2", "T=6"), "Click", [w, menu] {
        MainControls& g = w->form1();
        g.notpaint1.setChecked(true);
        g.RadioGroup7.setItemIndex(1); // 'MAIN' "Normal"
        menu.cOrS->setItemIndex(1);    // "Sqr."
        g.findAs<MenuItem>("XXcnc1")->setChecked(false);
        g.findAs<MenuItem>("isRIVER1")->setChecked(true);
        g.findAs<MenuItem>("NoA1")->setChecked(true);
        w->run("Button3Click");
    });
}

void registerGenerator(Bench& wb, const T6Menu& menu) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.add<MenuItem>("Begim1", "Begim", "T=6"), "Click", [w, menu] { begim(*w, menu); });
    // Ends the IMPROVE search as its own 'Stop' does, and the T=6 sweep too.
    // The run under way is still tallied; no further trial is armed.
    define(wb, f.add<MenuItem>("StopT61", "Stop", "T=6"), "Click", [w] {
        w->run("Stop1Click");
        w->state<T6State>().stopRequested = true;
        w->form1().Timer6.setEnabled(false);
    });
    define(wb, f.Timer6, "Timer", [w, menu] { oneTrial(*w, menu); });
    watchTrials(wb);
}

void registerPresets(Bench& wb, const T6Menu& menu) {
    MainControls& f = wb.form1();
    Bench* w = &wb;
    define(wb, f.add<MenuItem>("Sh411", "Sh=31", "T=6"), "Click", [w, menu] {
        presetCommon(*w);
        readPreset(*w, paths::preset31);
        squareSide(*w, 31);
        menu.parameters->setChecked(true);
    });
    define(wb, f.add<MenuItem>("Siz511", "Siz=71", "T=6"), "Click", [w, menu] {
        presetCommon(*w);
        squareSide(*w, 71);
        readPreset(*w, paths::preset71);
        menu.parameters->setChecked(true);
        w->model().stepTime = 0;
    });
}

void registerStartupSteps(Bench& wb, const T6Menu& menu, const std::vector<MenuItem*>& cnc) {
    MainControls& f = wb.form1();
    wb.atStartupStep(11, [&f, cnc] {
        for (size_t k = 0; k < cnc.size(); ++k)
            cnc[k]->setChecked(k == 1);
        f.findAs<MenuItem>("XXcnc1")->setChecked(true);
    });
    wb.atStartupStep(9, [&f] { f.findAs<MenuItem>("IsIZM1")->setChecked(true); });
    wb.atStartupStep(13, [&f] { f.findAs<MenuItem>("PorM1")->setChecked(false); });
    wb.atStartupStep(14, [&f] { f.findAs<MenuItem>("Is6coins1")->setChecked(false); });
    wb.atStartupStep(16, [menu] { menu.cOrS->setItemIndex(0); });
    wb.atStartupStep(18, [menu] { menu.orThree->setChecked(false); });
    wb.atStartupStep(21, [menu] {
        menu.parameters->setChecked(false);
        menu.cOrB->setChecked(false);
        menu.cOrS->setItemIndex(0);
    });
}

void registerFields(Bench& wb, T6State& s) {
    Fields& f = wb.fields();
    f.addArray("t6Tallies", &s.t6Tallies);
    f.add("t6Trial", &s.t6Trial);
}

} // namespace

void registerT6(Bench& wb) {
    MainControls& f = wb.form1();
    T6Menu menu{};
    menu.orThree = &f.add<MenuItem>("Showwithfilt1", "1 OR 3 SQUARE", "T=6", true);
    menu.parameters = &f.add<MenuItem>("Showparameters1", "Show parameters", "T=6", true);
    menu.cOrB = &f.add<MenuItem>("CorB1", "C ? B", "T=6", true);
    menu.cOrS = f.findAs<RadioGroup>("RadioGroupCorS");
    if (!menu.cOrS) {
        menu.cOrS = &f.add<RadioGroup>("RadioGroupCorS", "C or S",
                                       std::vector<std::string>{"Cir.", "Sqr."});
        menu.cOrS->setVisible(false);
    }
    std::vector<MenuItem*> cnc;
    registerSwitches(wb, menu, cnc);
    registerBegin2(wb, menu);
    registerGenerator(wb, menu);
    registerPresets(wb, menu);
    registerStartupSteps(wb, menu, cnc);
    registerFields(wb, wb.state<T6State>());
    registerT6Windows(wb);
}

} // namespace rca
