// Values from scripts that do not fit: `set` refuses them whole instead of
// wrapping, mouse points are refused where they enter, and counters stop at
// the ends of their type.
#include "files/workdir_fixture.h"
#include "script/script.h"
#include "state/saturating.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace rca {
namespace {

struct Session {
    filestest::TempWorkdir dir;
    std::ostringstream out, err;
    Script script{out, err};
    int run(const std::string& text) { return script.run(splitCommands(text)); }
    std::string print(const std::string& name) {
        out.str("");
        EXPECT_EQ(run("print " + name), 0) << err.str();
        std::string s = out.str();
        return s.empty() ? s : s.substr(0, s.size() - 1);
    }
};

TEST(ValueRange, SetRefusesWhatTheValueCannotHoldAndChangesNothing) {
    struct Case {
        const char* line;  // refused
        const char* value; // printed before and after
        const char* says;
    };
    const Case cases[] = {
        {"set cellWidth 99999999999", "cellWidth", "cellWidth takes -2147483648 .. 2147483647"},
        {"set lineLength 2147483648", "lineLength", "not 2147483648"},
        {"set stepTime 99999999999999999999999", "stepTime", "stepTime takes"},
        {"set lineIDone 256", "lineIDone", "lineIDone takes 0 .. 255"},
        {"set reverseMode 2", "reverseMode", "reverseMode takes 0 .. 1"},
        {"set zoom inf", "zoom", "zoom takes"},
        {"set zoom nan", "zoom", "zoom takes"},
        {"set zoom 1e999", "zoom", "zoom takes"},
        {"set rcaTable[0] 256", "rcaTable[0]", "rcaTable takes 0 .. 255"},
        {"set changeMatrix[0] 2147483648", "changeMatrix[0]", "changeMatrix takes"},
        {"set cellClockI 1 2 99999999999", "cellClockI", "cellClockI takes"},
        {"set markCI[5] 0 1 7 -1", "markCI[5]", "markCI takes 0 .. 255"},
        {"set bPositions[0] 4294967296", "bPositions[0]", "bPositions takes"},
        {"set lineI AB7", "lineI", "not a cell letter"},
        {"set lineI[4294967296] B", "lineI", "index 4294967296 is out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Session s;
        const std::string before = s.print(c.value);
        EXPECT_EQ(s.run(c.line), 2);
        EXPECT_NE(s.err.str().find(c.says), std::string::npos) << s.err.str();
        EXPECT_EQ(s.print(c.value), before);
    }
    Session s;
    ASSERT_EQ(s.run("set lineLength -2147483648; set lineIDone 255; set zoom 0.5; set lineI 012"),
              0)
        << s.err.str();
    EXPECT_EQ(s.print("lineIDone"), "255");
    EXPECT_EQ(s.print("lineI[2]"), "A");
}

TEST(ValueRange, MousePointsBeyondAWindowSystemAreRefused) {
    Session s;
    int seen = 0;
    s.script.workbench().form1().onMouse = [&](const MouseEvent&) { ++seen; };
    for (const char* line :
         {"mouse down 2147483647 0 left TForm10", "mouse up 0 -2147483648 left TForm6",
          "mouse down 99999999999 0", "mouse move 32768 0", "mouse move 0 -32769"}) {
        SCOPED_TRACE(line);
        s.err.str("");
        EXPECT_EQ(s.run(line), 2);
        EXPECT_NE(s.err.str().find("out"), std::string::npos) << s.err.str();
    }
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(s.run("mouse move -32768 32767"), 0) << s.err.str();
    EXPECT_EQ(seen, 1);
}

TEST(ValueRange, CountersStopAtTheEndsOfTheirType) {
    EXPECT_EQ(saturatingAdd(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(saturatingAdd(INT32_MIN, -3), INT32_MIN);
    EXPECT_EQ(saturatingAdd(5, -3), 2);
    Session s;
    ASSERT_EQ(s.run("set stepTime 2147483647; set pressCount 2147483647; call Button1Click"), 0)
        << s.err.str();
    EXPECT_EQ(s.print("stepTime"), "2147483647");
    EXPECT_EQ(s.print("pressCount"), "2147483647");
    ASSERT_EQ(s.run("set reverseMode 1; set stepTime -2147483648; call Button1Click"), 0);
    EXPECT_EQ(s.print("stepTime"), "-2147483648");
}

} // namespace
} // namespace rca
