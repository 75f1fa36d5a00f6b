#pragma once
// 'T6 Graf': recorded curves and the three phase series over a chosen
// interval, with a threshold that cuts the phase values.
#include "forms/form.h"

#include <array>
#include <vector>

namespace rca {

class TForm14 : public Form {
  public:
    TForm14();

    // The phase boxes, f = 0 .. 2.
    std::array<CheckBox*, 3> phaseBoxes() const { return {&CheckBox4, &CheckBox5, &CheckBox6}; }

    RCA_CONTROL(Button, Button1, "View");
    RCA_CONTROL(Label, LabelThreshold, "Threshold");
    RCA_CONTROL(Edit, Edit1, "10000");
    RCA_CONTROL(Label, LabelBegin, "Beg. point");
    RCA_CONTROL(Edit, Edit2, "0");
    RCA_CONTROL(Label, LabelEnd, "End point");
    RCA_CONTROL(Edit, Edit3, "800");
    RCA_CONTROL(CheckBox, CheckBox4, "Red (f=0)", false);
    RCA_CONTROL(CheckBox, CheckBox5, "Green (f=1)", false);
    RCA_CONTROL(CheckBox, CheckBox6, "Blue (f=2)", false);
    RCA_CONTROL(Button, Button2, "0-1");
    RCA_CONTROL(Button, Button3, "0");
    RCA_CONTROL(Button, Button4, "1");
    RCA_CONTROL(Edit, Edit8, "0");
    RCA_CONTROL(Edit, Edit9, "800");
    RCA_CONTROL(Edit, Edit10, "8");
    // Hidden: the two 'C0-A2' boxes and the 'View 2 Graph' group.
    RCA_CONTROL(CheckBox, CheckBox1, "C0-A2", false);
    RCA_CONTROL(CheckBox, CheckBox2, "C0-A2", false);
    RCA_CONTROL(RadioGroup, RadioGroup1, "View 2 Graph", std::vector<std::string>{"1", "2"});
    RCA_CONTROL(Chart, Chart1, "Curves and phases",
                std::vector<ChartSeries>{{"Series1", ChartSeries::Style::Line, clGreen, {}},
                                         {"Series2", ChartSeries::Style::Line, clBlue, {}},
                                         {"Series3", ChartSeries::Style::Line, clRed, {}},
                                         {"Series7", ChartSeries::Style::Line, clBlack, {}}});
    RCA_CONTROL(Chart, Chart2, "Curve 5",
                std::vector<ChartSeries>{{"Series4", ChartSeries::Style::Line, clBlack, {}},
                                         {"Series5", ChartSeries::Style::Line, clBlack, {}},
                                         {"Series6", ChartSeries::Style::Line, clBlack, {}}});
};

} // namespace rca
