// Every control the user can reach in the main window runs a command.
#include "app/workbench.h"
#include "forms/wiring.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

// The event whose handler a user action on the control runs.
std::string eventOf(const Control& c) {
    if (c.kind() == Control::Kind::Edit) return "Change";
    if (c.kind() == Control::Kind::Timer) return "Timer";
    return "Click";
}

bool actsOnUser(const Control& c) {
    switch (c.kind()) {
    case Control::Kind::Button:
    case Control::Kind::CheckBox:
    case Control::Kind::RadioGroup:
    case Control::Kind::MenuItem:
    case Control::Kind::Edit:
    case Control::Kind::UpDown:
        return true;
    default:
        return false;
    }
}

TEST(Wiring, EveryVisibleControlOfEveryFormRunsItsOwnCommand) {
    Workbench wb;
    std::string unwired;
    for (Form* form : wb.forms())
        for (Control* c : form->controls())
            if (c->visible() && actsOnUser(*c) && !wb.commands().has(commandName(*c, eventOf(*c))))
                unwired += form->name() + "." + c->name() + " ";
    EXPECT_EQ(unwired, "");
}

TEST(Wiring, NamesAreDerivedAndTakenOnce) {
    Workbench wb;
    EXPECT_EQ(commandName(wb.form1().Button2, "Click"), "TForm1.Button2Click");
    EXPECT_TRUE(wb.commands().has("Button2Click"));
    EXPECT_TRUE(wb.commands().has("TForm1.Button2Click"));
    // A second handler under a taken name, or a second control of a taken
    // name, is refused at start-up rather than shadowing the first.
    EXPECT_THROW(define(wb, wb.form1().Button2, "Click", [] {}), std::logic_error);
    EXPECT_THROW(wb.form1().add<Button>("Button2", "again"), std::logic_error);
    EXPECT_THROW(wb.run("NoSuchButtonClick"), UnknownCommand);
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
