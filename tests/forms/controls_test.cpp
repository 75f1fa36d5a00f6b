#include "forms/controls.h"

#include <gtest/gtest.h>

namespace rca {
namespace {

TEST(Controls, CheckBoxFromCodeRunsHandlerOnlyOnChange) {
    CheckBox box("CheckBox3", "1");
    int runs = 0;
    box.onClick = [&] { ++runs; };
    box.setChecked(false);
    EXPECT_EQ(runs, 0);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(runs, 1);
    box.userClick();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(runs, 2);
}

TEST(Controls, RadioGroupStartsEmptySoFirstSelectionRuns) {
    RadioGroup g("RadioGroup2", "Border", {"Frozen A", "Circle"});
    int runs = 0;
    g.onClick = [&] { ++runs; };
    EXPECT_EQ(g.itemIndex(), -1);
    g.setItemIndex(0);
    g.setItemIndex(0);
    g.userSelect(1);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(g.itemIndex(), 1);
    g.setItemIndex(7); // no such item: nothing selected
    EXPECT_EQ(g.itemIndex(), -1);
}

TEST(Controls, EditRunsChangeHandlerOnEveryDifferentText) {
    Edit e("Edit1", "11");
    std::vector<std::string> seen;
    e.onChange = [&] { seen.push_back(e.text()); };
    e.setText("11");
    e.setText("12");
    e.userType("1");
    e.userType("1");
    EXPECT_EQ(seen, (std::vector<std::string>{"12", "1"}));
}

TEST(Controls, UpDownFromCodeRunsNoHandlerButUserClickDoes) {
    UpDown u("UpDown5", 0, 1000, 0, 10);
    int runs = 0;
    u.onClick = [&] { ++runs; };
    u.setPosition(40);
    EXPECT_EQ(runs, 0);
    u.userClick(true);
    EXPECT_EQ(u.position(), 50);
    EXPECT_EQ(runs, 1);
    u.setPosition(5000);
    EXPECT_EQ(u.position(), 1000);
    u.userClick(true); // at the top the handler still runs, the position stays
    EXPECT_EQ(u.position(), 1000);
    EXPECT_EQ(runs, 2);
}

TEST(Controls, MenuCheckMarkFromCodeRunsNothing) {
    MenuItem m("Timer101", "Timer10", "Initial", true);
    int runs = 0;
    m.onClick = [&] { ++runs; };
    m.setChecked(true);
    EXPECT_TRUE(m.checked());
    EXPECT_EQ(runs, 0);
    m.userClick();
    EXPECT_EQ(runs, 1);
}

TEST(Controls, DisabledControlsIgnoreTheUser) {
    Button b("Button6", "GO");
    CheckBox c("CheckBox1", "mA");
    int runs = 0;
    b.onClick = c.onClick = [&] { ++runs; };
    b.setEnabled(false);
    c.setEnabled(false);
    b.userClick();
    c.userClick();
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(c.checked());
    c.setChecked(true); // code still reaches a disabled box
    EXPECT_EQ(runs, 1);
}

TEST(Controls, TimerWithIntervalZeroNeverTicks) {
    Timer t("Timer1", 1);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    t.fire();
    EXPECT_EQ(ticks, 0); // disabled at start
    t.setEnabled(true);
    t.fire();
    t.setInterval(0);
    t.fire();
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(t.ticks());
}

TEST(Controls, ObserversHearEveryChangeAndCanLeave) {
    Label l("Label33", "X");
    int heard = 0;
    int id = l.observe([&] { ++heard; });
    l.setCaption("1");
    l.setCaption("1");
    l.unobserve(id);
    l.setCaption("0");
    EXPECT_EQ(heard, 1);
}

} // namespace
} // namespace rca
