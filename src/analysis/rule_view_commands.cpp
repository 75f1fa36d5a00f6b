// The rule view window 'Show RCA' and its main-menu entry: mouse editing of
// the table and the weight profiles, the bulk editors, the profile file and
// the charts of the usage counters.
#include "analysis/rule_grid.h"
#include "analysis/rule_table_edits.h"
#include "analysis/rule_view_drawing.h"
#include "analysis/rule_view_state.h"
#include "analysis/tform6.h"
#include "analysis/weight_profiles.h"
#include "engine/number_parse.h"
#include "files/fixed_write.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "state/fixed_paths.h"

#include <memory>
#include <optional>
#include <string>

namespace rca {

namespace {

// The press a release completes; none when the press was not on this window.
struct RuleViewMouse {
    std::optional<RulePress> press;
};

class RuleView {
  public:
    RuleView(Bench& wb, TForm6& f) : wb_(wb), f_(f), s_(wb.state<RuleViewState>()) {}

    void repaint(bool erase = true) {
        paintRuleView(*f_.surface(), wb_.model().rcaTable, s_, {erase, f_.CheckBox1.checked()});
        fillCharts();
    }

    void show() {
        f_.UpDown2.setPosition(s_.chartColumn1);
        f_.UpDown3.setPosition(s_.chartColumn2);
        f_.UpDown4.setPosition(s_.chartRow1);
        f_.UpDown5.setPosition(s_.chartRow2);
        showSpinnerValues();
        // The surface outlives the window, so it is erased to drop what an
        // edit made elsewhere has made stale.
        repaint();
    }

    void spinnersChanged() {
        s_.chartColumn1 = f_.UpDown2.position();
        s_.chartColumn2 = f_.UpDown3.position();
        s_.chartRow1 = f_.UpDown4.position();
        s_.chartRow2 = f_.UpDown5.position();
        showSpinnerValues();
        repaint();
    }

    void mouse(const MouseEvent& e) {
        if (e.kind == MouseEvent::Kind::Down)
            down(e);
        else if (e.kind == MouseEvent::Kind::Up)
            up(e);
    }

    void readProfiles() {
        const std::string file = fixedPath(paths::weightProfiles);
        const ProfileRead got =
            rca::readProfiles(wb_.resolve(file).string(), s_.columnWeights, s_.rowWeights);
        if (!got.opened)
            wb_.report("cannot read " + file + ": " + openFailure(wb_.resolve(file), false));
        else if (got.values < profileValues)
            wb_.report(file + " is short: " + std::to_string(got.values) + " of " +
                       std::to_string(profileValues) + " weights read");
        if (got.clamped > 0)
            wb_.report(file + ": " + std::to_string(got.clamped) +
                       " weights outside 0 .. 1 or not numbers were clamped");
        repaint();
    }

    void writeProfiles() {
        const std::string file = fixedPath(paths::weightProfiles);
        const auto path = fixedWriteTarget(wb_, file);
        if (path && !rca::writeProfiles(path->string(), s_.columnWeights, s_.rowWeights))
            wb_.report("cannot write " + file + ": " + writeFailure(*path, true));
        repaint();
    }

    void shiftThreshold(bool up) {
        f_.Edit1.setText(std::to_string(shiftedThreshold(s_.countThreshold, s_.countPercent, up)));
        repaint();
    }

  private:
    void showSpinnerValues() {
        f_.Label6.setCaption(std::to_string(s_.chartColumn1));
        f_.Label7.setCaption(std::to_string(s_.chartColumn2));
        f_.Label8.setCaption(std::to_string(s_.chartRow1));
        f_.Label9.setCaption(std::to_string(s_.chartRow2));
    }

    void down(const MouseEvent& e) {
        mouse_.press = pressAt(e.x, e.y);
        const auto entry = entryAt(e.x, e.y);
        if (!entry) return;
        if (e.button == MouseButton::Left) toggleRule(wb_.model().rcaTable, entry->index());
        if (e.button == MouseButton::Right) showEntry(*entry);
        repaint();
    }

    void up(const MouseEvent& e) {
        if (!mouse_.press) return;
        applyDrag(*mouse_.press, e.x, e.y, s_.columnWeights, s_.rowWeights);
        mouse_.press.reset();
        repaint();
    }

    void showEntry(const RuleEntry& e) {
        f_.Label1.setCaption(std::to_string(s_.usageCounts[e.index()]));
        f_.Label2.setCaption(std::to_string(e.a));
        f_.Label3.setCaption(std::to_string(e.b));
        f_.Label4.setCaption(std::to_string(e.c));
        f_.Label5.setCaption(std::to_string(e.d));
    }

    void fillCharts() {
        for (Chart* c : {&f_.Chart1, &f_.Chart2})
            for (int series = 0; series < 2; ++series)
                c->clear(series);
        const auto& n = s_.usageCounts;
        for (int k = 0; k < ruleColumns; ++k) {
            f_.Chart1.addPoint(0, k, chartCount(n, s_.chartRow1, k), "", ruleProfile);
            f_.Chart1.addPoint(1, k, chartCount(n, s_.chartRow2, k), "", clRed);
        }
        for (int r = 0; r < ruleRows; ++r) {
            f_.Chart2.addPoint(0, r, chartCount(n, r, s_.chartColumn1), "", ruleProfile);
            f_.Chart2.addPoint(1, r, chartCount(n, r, s_.chartColumn2), "", clRed);
        }
    }

    Bench& wb_;
    TForm6& f_;
    RuleViewState& s_;
    RuleViewMouse mouse_;
};

struct RuleViewHolder {
    std::unique_ptr<RuleView> view;
};

void addFields(Bench& wb, RuleViewState& s) {
    Fields& fl = wb.fields();
    fl.addArray("columnWeights", &s.columnWeights);
    fl.addArray("rowWeights", &s.rowWeights);
    fl.addArray("usageCounts", &s.usageCounts);
    fl.add("countThreshold", &s.countThreshold);
    fl.add("countPercent", &s.countPercent);
    fl.add("chartColumn1", &s.chartColumn1);
    fl.add("chartColumn2", &s.chartColumn2);
    fl.add("chartRow1", &s.chartRow1);
    fl.add("chartRow2", &s.chartRow2);
    fl.add("beginShape", &s.beginShape);
    fl.add("beginX", &s.beginX);
    fl.add("beginY", &s.beginY);
}

void defineEditors(Bench& wb, TForm6& f, RuleView& v) {
    Model& m = wb.model();
    RuleViewState& s = wb.state<RuleViewState>();
    define(wb, f.Button7, "Click", [&m, &v] { fillFree(m.rcaTable, 0), v.repaint(); });
    define(wb, f.Button8, "Click", [&m, &v] { fillFree(m.rcaTable, 1), v.repaint(); });
    define(wb, f.Button9, "Click", [&m, &v] { clearMask(m.rcaTable), v.repaint(); });
    define(wb, f.Button10, "Click",
           [&m, &s, &v] { maskFromCounts(m.rcaTable, s.usageCounts), v.repaint(); });
    define(wb, f.Button14, "Click",
           [&m, &v] { randomRule(m.rcaTable, m.randomState), v.repaint(); });
    define(wb, f.Button13, "Click", [&s, &v] { s.usageCounts.fill(0), v.repaint(); });
}

void defineSettings(Bench& wb, TForm6& f, RuleView& v) {
    RuleViewState& s = wb.state<RuleViewState>();
    for (UpDown* u : {&f.UpDown2, &f.UpDown3, &f.UpDown4, &f.UpDown5})
        define(wb, *u, "Click", [&v] { v.spinnersChanged(); });
    define(wb, f.Edit1, "Change", [&s, &f] { s.countThreshold = parseNumber(f.Edit1.text()); });
    define(wb, f.Edit2, "Change", [&s, &f] { s.countPercent = parseNumber(f.Edit2.text()); });
    define(wb, f.Button11, "Click", [&v] { v.shiftThreshold(false); });
    define(wb, f.Button12, "Click", [&v] { v.shiftThreshold(true); });
    // The marks follow the box at the next repaint.
    define(wb, f.CheckBox1, "Click", [] {});
    define(wb, f.RadioGroup1, "Click", [&s, &f] { s.beginShape = f.RadioGroup1.itemIndex(); });
    define(wb, f.Edit3, "Change", [&s, &f] { s.beginX = parseNumber(f.Edit3.text()); });
    define(wb, f.Edit4, "Change", [&s, &f] { s.beginY = parseNumber(f.Edit4.text()); });
    define(wb, f.Button15, "Click", [&v] { v.readProfiles(); });
    define(wb, f.Button16, "Click", [&v] { v.writeProfiles(); });
}

} // namespace

void registerRuleView(Bench& wb) {
    auto& f = wb.addForm(std::make_unique<TForm6>());
    RuleViewState& s = wb.state<RuleViewState>();
    // One view per bench, kept with the bench's other state.
    auto& holder = wb.state<RuleViewHolder>();
    holder.view = std::make_unique<RuleView>(wb, f);
    RuleView& v = *holder.view;
    addFields(wb, s);
    defineEditors(wb, f, v);
    defineSettings(wb, f, v);
    defineForm(wb, f, "Show", [&v] { v.show(); });
    f.onMouse = [&v](const MouseEvent& e) { v.mouse(e); };

    auto& item = wb.form1().add<MenuItem>("ShowCA1", "(F) Show RCA", "Clear RCA");
    defineOpener(wb, item, f);

    wb.atStartupStep(14, [&f] { f.RadioGroup1.setItemIndex(0); });
    wb.atStartupStep(23, [&s] {
        s.columnWeights.fill(0.21);
        s.rowWeights.fill(0.21);
    });
}

} // namespace rca
