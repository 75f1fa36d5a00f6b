// Every control the user can reach in the main window runs a command.
#include "app/workbench.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

bool wired(const Control& c) {
    if (auto* b = dynamic_cast<const Button*>(&c)) return static_cast<bool>(b->onClick);
    if (auto* b = dynamic_cast<const CheckBox*>(&c)) return static_cast<bool>(b->onClick);
    if (auto* g = dynamic_cast<const RadioGroup*>(&c)) return static_cast<bool>(g->onClick);
    if (auto* m = dynamic_cast<const MenuItem*>(&c)) return static_cast<bool>(m->onClick);
    if (auto* e = dynamic_cast<const Edit*>(&c)) return static_cast<bool>(e->onChange);
    if (auto* u = dynamic_cast<const UpDown*>(&c)) return static_cast<bool>(u->onClick);
    return true;
}

TEST(Wiring, EveryVisibleControlOfTheMainWindowRunsACommand) {
    Workbench wb;
    std::vector<std::string> unwired;
    for (Control* c : wb.form1().controls())
        if (c->visible() && !wired(*c)) unwired.push_back(c->name());
    EXPECT_TRUE(unwired.empty()) << [&] {
        std::string s;
        for (auto& n : unwired)
            s += n + " ";
        return s;
    }();
}

TEST(Wiring, TimersOfTheEngineHaveTickHandlers) {
    Workbench wb;
    EXPECT_TRUE(static_cast<bool>(wb.form1().Timer1.onTimer));
    EXPECT_TRUE(static_cast<bool>(wb.form1().Timer10.onTimer));
}

} // namespace
} // namespace rca

namespace rca {
namespace {

TEST(Wiring, F1ShowsTheUsageNoteWhileChecked) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.F11.userClick();
    EXPECT_TRUE(f.F11.checked());
    EXPECT_TRUE(f.label("RichEdit1").visible());
    EXPECT_NE(f.label("RichEdit1").caption().find("Choose mask (panel MASK)"), std::string::npos);
    f.F11.userClick();
    EXPECT_FALSE(f.label("RichEdit1").visible());
}

TEST(Wiring, MarkOnlyItemsToggleThemselves) {
    Workbench wb;
    TForm1& f = wb.form1();
    f.NoDRAW1.userClick();
    f.MouseSoliton1.userClick();
    EXPECT_TRUE(f.NoDRAW1.checked());
    EXPECT_TRUE(f.MouseSoliton1.checked());
    f.NoDRAW1.userClick();
    EXPECT_FALSE(f.NoDRAW1.checked());
}

} // namespace
} // namespace rca
