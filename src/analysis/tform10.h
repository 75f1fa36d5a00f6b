#pragma once
// 'Explore CHANGE': the change matrix as a grey picture with its sum, the
// value of a pressed cell and two rows of it as bar charts.
#include "forms/form.h"

#include <string>
#include <vector>

namespace rca {

class TForm10 : public Form {
  public:
    TForm10();

    RCA_CONTROL(Label, Label1, "0");
    RCA_CONTROL(Label, LabelX, "X=");
    RCA_CONTROL(Label, Label2, "");
    RCA_CONTROL(Label, LabelY, "Y=");
    RCA_CONTROL(Label, Label3, "");
    RCA_CONTROL(Button, Button3, " X 3");
    RCA_CONTROL(Edit, Edit1, "1000");
    RCA_CONTROL(Edit, Edit2, "-1000");
    RCA_CONTROL(Edit, Edit3, "2");
    RCA_CONTROL(RadioGroup, RadioGroup1, "Kind",
                std::vector<std::string>{"aBL_XX", "aBL_YY", "aRE_XX", "aRE_YY"});
    RCA_CONTROL(RadioGroup, RadioGroup2, "Shoow",
                std::vector<std::string>{"(+++)", "(II) 0", "(II) 1", "(III) 0", "(III) 1",
                                         "(III) 2", "(VI) 0", "(VI) 1", "(VI) 2", "(VI) 3",
                                         "(VI) 4", "(VI) 5"});
    // Hidden: nothing uses them yet.
    RCA_CONTROL(RadioGroup, RadioGroup3, "1", std::vector<std::string>{"0", "1"});
    RCA_CONTROL(RadioGroup, RadioGroup4, "2", std::vector<std::string>{"0", "1"});
    RCA_CONTROL(Button, Button1, "Redraw");
    RCA_CONTROL(Button, Button2, "P1=P1-P2");

    RCA_CONTROL(MenuItem, Click121, "Click 12", "File");

    // The row of the pressed cell, and the row numbered by its column.
    RCA_CONTROL(Chart, Chart5, "Row Y of the pressed cell",
                std::vector<ChartSeries>{{"row Y", ChartSeries::Style::Bar, clRed, {}},
                                         {"unused", ChartSeries::Style::Bar, clBlue, {}}});
    RCA_CONTROL(Chart, Chart6, "Row X (the pressed cell's column)",
                std::vector<ChartSeries>{{"row X", ChartSeries::Style::Bar, clRed, {}},
                                         {"unused", ChartSeries::Style::Bar, clBlue, {}}});
};

} // namespace rca
