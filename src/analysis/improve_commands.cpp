// The IMPROVE menu, its window 'Improove' (TForm11), Timer5 and the hidden
// recording action 'impr zapis', with the search driver: each Timer5 tick
// sets up one trial; the trial ends when the trial check ends it or at
// timeAll steps; then it is judged, recorded or undone, and Timer5 is armed
// for the next entry until the table is exhausted or 'Stop' is chosen.
#include "analysis/improve_search.h"
#include "analysis/improve_state.h"
#include "analysis/tform11.h"
#include "engine/number_parse.h"
#include "engine/trial_check.h"
#include "files/fixed_write.h"
#include "files/rca_codec.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/regular_file.h"
#include "setup/trial_setup.h"
#include "state/fixed_paths.h"
#include "state/saturating.h"

#include <algorithm>
#include <memory>
#include <string>

namespace rca {

namespace {

// The base is only read, so a write-protected base serves as well.
void readBaseTable(Bench& wb) {
    const std::string file = fixedPath(paths::improveBase);
    RcaBytes bytes{};
    const FrontRead read = readFront(wb.resolve(file), bytes.data(), bytes.size());
    if (!read.opened()) {
        wb.report("cannot read the base table " + file + ": " + read.problem);
        return;
    }
    const size_t got = read.bytes;
    decodeRca(bytes.data(), got, wb.model().rcaTable);
    if (got < bytes.size())
        wb.report(file + " is short: " + std::to_string(got) + " of " +
                  std::to_string(rcaTableBytes) + " bytes read");
}

void oneStepPerPress(Bench& wb) {
    wb.model().stepsPerPress = 1;
    wb.form1().Edit2.setText("1");
    wb.form1().UpDown1.setPosition(1);
}

void loadBaseTable(Bench& wb) {
    MainControls& f = wb.form1();
    Model& m = wb.model();
    readBaseTable(wb);
    oneStepPerPress(wb);
    f.Edit3.setText("1");
    f.UpDown3.setPosition(1);
    m.penC1 = m.penC2 = 1;
    f.findAs<RadioGroup>("RadioGroupSd")->setItemIndex(5);
    wb.state<ImproveState>().sdValue = 5;
    f.RadioGroup2.setItemIndex(0); // 'Frozen A'
    m.borderMode = 0;
    wb.run("Button3Click");
    drawFieldFrame(wb);
}

void begin(Bench& wb) {
    ImproveState& s = wb.state<ImproveState>();
    s.improveValues.fill(0);
    s.improveEntries.fill(0);
    s.trialRunning = false; // the run 'Begin' starts is not a trial
    wb.run("Center1Click");
    loadBaseTable(wb);
    s.criticalValue = 0;
    wb.model().stepsPerPress = 1;
    wb.form1().Timer1.setEnabled(true);
}

void startSearch(Bench& wb) {
    ImproveState& s = wb.state<ImproveState>();
    s.improveCount = 1;
    s.improveEntry = std::clamp(s.improveStart, 0, lastEntry);
    s.trialRunning = false;
    s.stopRequested = false;
    loadBaseTable(wb);
    oneStepPerPress(wb);
    wb.form1().Timer5.setEnabled(true);
}

// The trial set-up also clears the done markers: a trial after a finished
// one would otherwise end at once.
void clearDoneMarkers(Model& m) {
    m.lineIDone = m.lineIIDone = 0;
    m.doneTimeI = m.doneTimeII = 0;
    m.endLineITaken = m.endLineIITaken = false;
}

void oneTrial(Bench& wb) {
    ImproveState& s = wb.state<ImproveState>();
    MainControls& f = wb.form1();
    Model& m = wb.model();
    f.Timer5.setEnabled(false);
    const auto next = nextFreeEntry(m.rcaTable, s.improveEntry);
    if (!next) {
        f.StatusBar1.setText("  IMPROVE done: no unmasked entry after " +
                             std::to_string(s.improveEntry) +
                             "  Nipr= " + std::to_string(s.improveCount));
        return;
    }
    wb.run("Center1Click");
    f.StatusBar1.setText("  Vcrit= " + std::to_string(s.criticalValue) +
                         "  NTimpr= " + std::to_string(s.improveEntry));
    s.improveEntry = *next;
    flipRule(m.rcaTable, s.improveEntry);
    m.stepTime = 0;
    clearDoneMarkers(m);
    s.improveAccepted = false;
    s.criticalValue = 0;
    s.trialRunning = true;
    s.trialSteps = 0;
    f.Timer1.setEnabled(true);
}

// The critical value is the number of steps the trial ran: 'Reverse' counts
// stepTime down, and the theory check of an evaluation moves it.
void concludeTrial(Bench& wb, bool endedByCheck) {
    ImproveState& s = wb.state<ImproveState>();
    s.trialRunning = false;
    s.criticalValue = s.trialSteps;
    s.improveAccepted = acceptTrial(endedByCheck, s.criticalValue, s.timeCrit);
    wb.run("Button45Click");
    if (!s.stopRequested) wb.form1().Timer5.setEnabled(true);
}

// A refused or failed record is undone like a rejected trial, so the table
// holds only recorded changes.
void record(Bench& wb) {
    ImproveState& s = wb.state<ImproveState>();
    Model& m = wb.model();
    if (!s.improveAccepted) {
        flipRule(m.rcaTable, s.improveEntry);
        return;
    }
    if (s.improveCount >= improveRecords) {
        wb.report("IMPROVE: " + std::to_string(improveRecords) +
                  " records are kept; this improvement is not recorded");
        flipRule(m.rcaTable, s.improveEntry);
        return;
    }
    s.improveCount = std::max(s.improveCount, 1); // 0 is the base table
    const std::string file = snapshotName(s.improveCount);
    const auto path = fixedWriteTarget(wb, file);
    const std::string failure = path ? writeRcaFile(*path, m.rcaTable) : "";
    if (!failure.empty()) wb.report("cannot write " + file + ": " + failure);
    if (!path || !failure.empty()) { // not recorded: undone
        flipRule(m.rcaTable, s.improveEntry);
        return;
    }
    s.improveEntries[static_cast<size_t>(s.improveCount)] = s.improveEntry;
    s.improveValues[static_cast<size_t>(s.improveCount)] = s.criticalValue;
    ++s.improveCount;
}

// The driver watches every step of the run through the trial check.
void watchTrials(Bench& wb) {
    TrialCheck& check = wb.state<TrialCheck>();
    ImproveState* s = &wb.state<ImproveState>();
    check.ended = [inner = check.ended, s](Bench& b) {
        if (s->trialRunning) countUp(s->trialSteps);
        const bool ended = inner && inner(b);
        if (!s->trialRunning) return ended;
        if (ended) {
            concludeTrial(b, true);
            return true;
        }
        if (s->trialSteps < s->timeAll) return false;
        stopRunAtCap(b);
        concludeTrial(b, false);
        return true;
    };
}

void showWindow(const ImproveState& s, TForm11& f) {
    f.Edit1.setText(std::to_string(s.timeCrit));
    f.Edit2.setText(std::to_string(s.timeAll));
    f.Edit3.setText(std::to_string(s.improveStart));
    f.Label1.setCaption(std::to_string(s.nACrit));
    f.Label2.setCaption(std::to_string(s.nBCrit));
    f.Label3.setCaption(std::to_string(s.nCCrit));
    f.Label4.setCaption(std::to_string(s.improveCount));
    for (int k = 0; k < 7; ++k) {
        f.values[k]->setCaption(std::to_string(s.improveValues[k]));
        f.entries[k]->setCaption(std::to_string(s.improveEntries[k]));
    }
    if (s.improveCount <= 0) return;
    const auto last = static_cast<size_t>(std::min(s.improveCount, improveRecords) - 1);
    f.Label5.setCaption(std::to_string(s.improveValues[last]));
    f.Label6.setCaption(std::to_string(s.improveEntries[last]));
}

void registerFields(Bench& wb, ImproveState& s) {
    Fields& f = wb.fields();
    for (auto [name, v] : {std::pair{"improveEntry", &s.improveEntry},
                           {"improveStart", &s.improveStart},
                           {"improveCount", &s.improveCount},
                           {"criticalValue", &s.criticalValue},
                           {"timeCrit", &s.timeCrit},
                           {"timeAll", &s.timeAll},
                           {"sdValue", &s.sdValue}})
        f.add(name, v);
    f.add("improveAccepted", &s.improveAccepted);
    f.addArray("improveValues", &s.improveValues);
    f.addArray("improveEntries", &s.improveEntries);
}

void registerWindow(Bench& wb, ImproveState& s) {
    auto& f = wb.addForm(std::make_unique<TForm11>());
    TForm11* form = &f;
    define(wb, f.Edit1, "Change", [form, &s] { s.timeCrit = parseNumber(form->Edit1.text()); });
    define(wb, f.Edit2, "Change", [form, &s] { s.timeAll = parseNumber(form->Edit2.text()); });
    define(wb, f.Edit3, "Change", [form, &s] {
        s.improveStart = std::clamp(parseNumber(form->Edit3.text()), 0, lastEntry);
    });
    defineForm(wb, f, "Show", [form, &s] { showWindow(s, *form); });
    defineOpener(wb, wb.form1().add<MenuItem>("ShowIMPROOVE1", "(F) Show IMPROVE", "IMPROVE"), f);
}

} // namespace

void registerImprove(Bench& wb) {
    MainControls& f = wb.form1();
    ImproveState& s = wb.state<ImproveState>();
    Bench* w = &wb;
    registerWindow(wb, s);
    auto item = [&f](const char* name, const char* caption, bool checkable = false) -> MenuItem& {
        return f.add<MenuItem>(name, caption, "IMPROVE", checkable);
    };
    define(wb, item("Period231", "Period= 2 ? 3"), "Click", [] {}); // the submenu of the pair
    MenuItem& t2 = item("T21", "T=2", true);
    MenuItem& t3 = item("T31", "T=3", true);
    t2.setParentItem("Period231");
    t3.setParentItem("Period231");
    define(wb, t2, "Click", [&t2, &t3] {
        t2.toggle();
        t3.setChecked(!t2.checked());
    });
    define(wb, t3, "Click", [&t2, &t3] {
        t3.toggle();
        t2.setChecked(!t3.checked());
    });
    define(wb, item("Begon1", "Begin"), "Click", [w] { begin(*w); });
    define(wb, item("DO1", "DO"), "Click", [w] { startSearch(*w); });
    define(wb, item("Stop1", "Stop"), "Click", [w, &s] {
        s.stopRequested = true;
        w->form1().Timer5.setEnabled(false);
    });
    define(wb, f.Timer5, "Timer", [w] { oneTrial(*w); });

    auto& record45 = f.add<Button>("Button45", "impr zapis");
    record45.setVisible(false);
    define(wb, record45, "Click", [w] { record(*w); });

    auto& sd = f.add<RadioGroup>("RadioGroupSd", "sd",
                                 std::vector<std::string>{"0", "1", "2", "3", "4", "random-4"});
    sd.setVisible(false);

    wb.atStartupStep(21, [&t2, &t3] {
        t2.setChecked(true);
        t3.setChecked(false);
    });
    wb.atStartupStep(27, [&sd, &s] {
        sd.setItemIndex(5);
        s.sdValue = 5;
    });
    watchTrials(wb);
    registerFields(wb, s);
}

} // namespace rca
