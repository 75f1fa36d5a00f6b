// Windows as units: opening runs FormShow before the host shows the form,
// forms own their surfaces and mouse handlers, subsystem state is one per
// bench, charts and number arrays print for scripts.
#include "app/workbench.h"
#include "forms/wiring.h"
#include "script/script.h"
#include "state/fixed_paths.h"

#include <gtest/gtest.h>
#include <sstream>

namespace rca {
namespace {

struct TestForm : Form {
    TestForm() : Form("TForm99", "Test", 200, 100) { makeSurface(200, 100); }
    RCA_CONTROL(Button, Button1, "Go");
    RCA_CONTROL(Chart, Chart1, "usage",
                std::vector<ChartSeries>{{"green", ChartSeries::Style::Point, clGreen, {}},
                                         {"red", ChartSeries::Style::Point, clRed, {}}});
};

struct RecordingHost : NullHost {
    std::vector<std::string> shown;
    void showModal(Form& f) override { shown.push_back(f.name()); }
};

TEST(Bench, OpeningRunsFormShowThenShowsTheForm) {
    RecordingHost host;
    Workbench wb(&host);
    auto& f = wb.addForm(std::make_unique<TestForm>());
    std::vector<std::string> order;
    defineForm(wb, f, "Show",
               [&] { order.push_back("show:" + std::to_string(host.shown.size())); });
    define(wb, f.Button1, "Click", [&] { order.push_back("click"); });
    wb.open(f);
    EXPECT_EQ(order, std::vector<std::string>{"show:0"});
    EXPECT_EQ(host.shown, std::vector<std::string>{"TForm99"});
    EXPECT_TRUE(f.isShowing());
    wb.run("TForm99.Button1Click");
    EXPECT_EQ(order.back(), "click");
    EXPECT_THROW(wb.addForm(std::make_unique<TestForm>()), std::logic_error);
    f.close();
    EXPECT_FALSE(f.isShowing());
}

TEST(Bench, StartupStepsAndStateBelongToTheirSubsystem) {
    Workbench wb;
    struct Counter {
        int n = 0;
    };
    wb.atStartupStep(14, [&] { wb.state<Counter>().n += 1; });
    wb.atStartupStep(14, [&] { wb.state<Counter>().n *= 10; });
    wb.startUp();
    EXPECT_EQ(wb.state<Counter>().n, 10); // both ran, in the order given
    EXPECT_EQ(&wb.state<Counter>(), &wb.state<Counter>());
}

TEST(Bench, ChartsAndArraysPrintForScripts) {
    std::ostringstream out, err;
    Script s(out, err);
    Workbench& wb = s.workbench();
    auto& f = wb.addForm(std::make_unique<TestForm>());
    f.Chart1.addPoint(0, 1, 2.5, "", clGreen);
    f.Chart1.addPoint(1, 3, 4, "", clRed);
    f.Chart1.addPoint(7, 0, 0, "", clRed); // no such series: ignored
    std::array<double, 3> weights{0.21, 1, 0};
    wb.fields().addArray("weights", &weights);
    f.surface()->setPixel(5, 6, clRed);
    ASSERT_EQ(s.run({"print TForm99.Chart1", "print weights", "set weights[2] 0.5",
                     "print weights[2]", "pixel 5 6 TForm99"}),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "green: 1,2.5\nred: 3,4\n0.21 1 0\n0.5\n255\n");
    EXPECT_EQ(s.run({"set weights[3] 1"}), 2);
    EXPECT_EQ(s.run({"pixel 0 0 TForm42"}), 2);
    EXPECT_NE(err.str().find("line 1: unknown form TForm42"), std::string::npos);
    f.Chart1.clear(0);
    EXPECT_TRUE(f.Chart1.series()[0].points.empty());
}

TEST(FixedPaths, BackslashIsAFolderSeparator) {
    EXPECT_EQ(fixedPath("video\\file0000.bmp"), "video/file0000.bmp");
    EXPECT_EQ(fixedPath("CA/ca.dat"), "CA/ca.dat");
}

} // namespace
} // namespace rca
