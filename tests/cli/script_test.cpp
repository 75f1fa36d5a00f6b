// The script interpreter, run in-process.
#include "files/workdir_fixture.h"
#include "script/script.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace rca {
namespace {

struct Session {
    // A ready working directory, so start-up has no notices to report.
    filestest::TempWorkdir dir;
    std::ostringstream out, err;
    Script script{out, err};
    int run(const std::string& text) { return script.run(splitCommands(text)); }
};

TEST(Script, SemicolonsAndNewlinesSeparateCommands) {
    EXPECT_EQ(splitCommands("a; b\nc"), (std::vector<std::string>{"a", " b", "c"}));
}

TEST(Script, PrintsControlsOfEveryKind) {
    Session r;
    r.script.workbench().form1().Timer1.setEnabled(true);
    ASSERT_EQ(r.run("print Timer1; print Timer10; print UpDown5; print Button6; print "
                    "TForm1.CheckBox14; print RadioGroup12"),
              0)
        << r.err.str();
    std::istringstream lines(r.out.str());
    std::string timer1, timer10, updown, button, box, group;
    std::getline(lines, timer1);
    std::getline(lines, timer10);
    std::getline(lines, updown);
    std::getline(lines, button);
    std::getline(lines, box);
    std::getline(lines, group);
    EXPECT_EQ(timer1, "1");
    EXPECT_EQ(timer10, "0");
    EXPECT_EQ(button, "GO");
    EXPECT_EQ(box, "1");
}

TEST(Script, TypeTakesTheRestOfTheLineAndStripsQuotes) {
    Session r;
    ASSERT_EQ(r.run("type Edit2 \"  12 apples\"; print Edit2; print stepsPerPress"), 0);
    EXPECT_EQ(r.out.str(), "  12 apples\n12\n");
}

TEST(Script, MouseEventsReachTheFormHandler) {
    Session r;
    std::vector<std::pair<int, int>> seen;
    MouseButton button = MouseButton::Left;
    r.script.workbench().form1().onMouse = [&](const MouseEvent& e) {
        seen.emplace_back(e.x, e.y);
        button = e.button;
    };
    ASSERT_EQ(r.run("mouse down 15 20 right; mouse move 3 4"), 0) << r.err.str();
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{15, 20}, {3, 4}}));
    EXPECT_EQ(button, MouseButton::Left);
    EXPECT_EQ(r.run("mouse down 1 2 sideways"), 2);
    EXPECT_EQ(r.err.str(), "line 1: unknown button or form sideways\n");
}

TEST(Script, AnswersFeedTheNextDialogsInOrder) {
    Session r;
    ASSERT_EQ(r.run("answer CA/x.dat; answer cancel"), 0);
    Host& host = r.script.workbench().host();
    EXPECT_EQ(host.openFileName("*.dat"), std::optional<std::string>("CA/x.dat"));
    EXPECT_EQ(host.saveFileName("*.dat"), std::nullopt);
    EXPECT_EQ(host.openFileName("*.dat"), std::nullopt); // nothing queued: cancelled
}

TEST(Script, AdvanceDeliversTimerTicks) {
    Session r;
    int ticks = 0;
    Timer& t = r.script.workbench().form1().Timer7;
    t.onTimer = [&] { ++ticks; };
    t.setEnabled(true);
    ASSERT_EQ(r.run("advance 350; tick Timer7 2"), 0);
    EXPECT_EQ(ticks, 5); // 100, 200, 300 ms, then two direct ticks
}

TEST(Script, ErrorsNameTheLineAndStopTheScript) {
    Session r;
    EXPECT_EQ(r.run("print Edit2\nselect RadioGroup2 5\nprint Edit2"), 2);
    EXPECT_EQ(r.err.str(), "line 2: item 5 outside 0..1\n");
    const std::string out = r.out.str();
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
}

TEST(Script, WrongArgumentCountsAreUsageErrors) {
    for (const char* line :
         {"click", "check CheckBox3", "check CheckBox3 2", "updown UpDown1 sideways", "pixel 1",
          "set lineI", "select Edit1 0", "tick Button2"}) {
        Session r;
        EXPECT_EQ(r.run(line), 2) << line;
        EXPECT_EQ(r.err.str().rfind("line 1: ", 0), 0u) << line;
    }
}

} // namespace
} // namespace rca
