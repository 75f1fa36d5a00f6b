// Every control a window shows explains itself: the table has a line for it,
// and the tooltip names the control and the script line that reaches it.
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "forms/chart_axes.h"
#include "forms/tooltips.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace rca;

namespace {

const char* kindName(Control::Kind k) {
    static const char* names[] = {"Edit",     "CheckBox", "RadioGroup", "UpDown", "Label", "Button",
                                  "MenuItem", "GroupBox", "StatusBar",  "Timer",  "Panel", "Chart"};
    return names[static_cast<int>(k)];
}

} // namespace

// Each auxiliary window is opened first, so what its FormShow reveals counts.
TEST(Tooltips, EveryVisibleControlOfEveryWindowIsDescribed) {
    filestest::TempWorkdir dir;
    Workbench wb;
    wb.startUp();
    for (Form* form : wb.forms())
        if (form != &wb.form1()) wb.open(*form);
    std::ostringstream missing;
    int described = 0;
    for (const Form* form : wb.forms())
        for (const Control* c : form->controls()) {
            if (!needsTooltip(*c)) continue;
            if (controlDescription(form->name(), c->name()).empty())
                missing << "\n  " << form->name() << '.' << c->name() << " (" << kindName(c->kind())
                        << " '" << c->caption() << "')";
            else
                ++described;
        }
    EXPECT_EQ(missing.str(), "") << "controls without a tooltip:" << missing.str();
    EXPECT_GT(described, 200);
    // A line for a control that no longer exists is a typo or a leftover.
    std::ostringstream stale;
    for (const auto& [key, text] : tooltipTable()) {
        const std::string k(key);
        const size_t dot = k.find('.');
        const Form* form = wb.form(k.substr(0, dot));
        if (dot == std::string::npos || !form || !form->find(k.substr(dot + 1)) || text.empty())
            stale << ' ' << k;
    }
    EXPECT_EQ(stale.str(), "");
}

// A chart added later without a line in the axis table fails here.
TEST(Tooltips, EveryChartNamesItsAxes) {
    filestest::TempWorkdir dir;
    Workbench wb;
    int charts = 0;
    for (const Form* form : wb.forms())
        for (const Control* c : form->controls()) {
            if (c->kind() != Control::Kind::Chart) continue;
            ++charts;
            const AxisTitles t = axisTitles(static_cast<const Chart&>(*c));
            EXPECT_FALSE(t.x.empty() || t.y.empty()) << form->name() << '.' << c->name();
        }
    EXPECT_EQ(charts, 6);
}

TEST(Tooltips, TextHasCaptionDescriptionNameAndScriptLine) {
    filestest::TempWorkdir dir;
    Workbench wb;
    struct Case {
        std::string form, name, expected;
    };
    const std::vector<Case> cases = {
        {"TForm1", "Button58",
         "Random — a new random trial: NB random draws of a B cell on an all-A line · Button58 · "
         "click Button58"},
        {"TForm1", "Edit1",
         "line length in cells (up to 100; the square field up to 131) · Edit1 · type Edit1 …"},
        {"TForm1", "RadioGroup12",
         "Prediction — " + controlDescription("TForm1", "RadioGroup12") +
             " · RadioGroup12 · select RadioGroup12 N"},
        {"TForm1", "Label57",
         controlDescription("TForm1", "Label57") + " · Label57 · print Label57"},
        {"TForm6", "UpDown2",
         controlDescription("TForm6", "UpDown2") + " · UpDown2 · updown TForm6.UpDown2 up|down"},
        {"TForm6", "SavePicture1",
         "Save picture as PNG… — " + controlDescription("TForm6", "SavePicture1") +
             " · SavePicture1 · click TForm6.SavePicture1"},
    };
    for (const Case& k : cases) {
        const Control* c = wb.form(k.form)->find(k.name);
        ASSERT_NE(c, nullptr) << k.name;
        EXPECT_FALSE(controlDescription(k.form, k.name).empty()) << k.name;
        EXPECT_EQ(tooltip(*c), k.expected);
    }
    // A control the table lacks still says who it is and how to reach it.
    Label bare("Bare", "1.5");
    EXPECT_EQ(tooltip(bare), "Bare · print Bare");
}
