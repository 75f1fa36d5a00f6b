#pragma once
// 'Show RCA': the RCA table as a 45 x 25 grid with the two weight profiles
// in the bands beside it, the bulk editors, the random-rule generator's
// settings and two charts of the usage counters.
#include "forms/form.h"

#include <string>
#include <vector>

namespace rca {

class TForm6 : public Form {
  public:
    TForm6();

    // Group boxes first: their children wait for them.
    RCA_CONTROL(GroupBox, GroupBox1, "RANDOM", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBox2, "N matrix", clBtnFace);
    RCA_CONTROL(GroupBox, GroupBox3, "Interval", clBtnFace);

    RCA_CONTROL(Button, Button7, "Make clear (T=2)");
    RCA_CONTROL(Button, Button8, "Make Invert (T=3)");
    RCA_CONTROL(Button, Button9, "mask=0");
    RCA_CONTROL(Button, Button10, "Manual");

    // Group 'RANDOM'.
    RCA_CONTROL(Button, Button14, "RANDOM");
    RCA_CONTROL(RadioGroup, RadioGroup1, "Begin",
                std::vector<std::string>{"Points", "Crest", "2x2"});
    RCA_CONTROL(Label, LabelXBegin, "X begin=");
    RCA_CONTROL(Edit, Edit3, "120");
    RCA_CONTROL(Label, LabelYBegin, "Y begin=");
    RCA_CONTROL(Edit, Edit4, "82");
    RCA_CONTROL(Button, Button15, "Read");
    RCA_CONTROL(Button, Button16, "Write");

    // Group 'N matrix': the count of the entry last right-clicked.
    RCA_CONTROL(Label, Label1, "0");
    RCA_CONTROL(Button, Button13, "Nac = 0");

    // Chart selectors: caption, spinner, the value beside it.
    RCA_CONTROL(Label, LabelX1, "X!=");
    RCA_CONTROL(UpDown, UpDown2, 0, 44, 4);
    RCA_CONTROL(Label, Label6, "4");
    RCA_CONTROL(Label, LabelX2, "X2=");
    RCA_CONTROL(UpDown, UpDown3, 0, 44, 5);
    RCA_CONTROL(Label, Label7, "5");
    RCA_CONTROL(Label, LabelY1, "Y!=");
    RCA_CONTROL(UpDown, UpDown4, 0, 24, 6);
    RCA_CONTROL(Label, Label8, "6");
    RCA_CONTROL(Label, LabelY2, "Y2=");
    RCA_CONTROL(UpDown, UpDown5, 0, 24, 7);
    RCA_CONTROL(Label, Label9, "7");

    // Group 'Interval': the red marks of counts just above a threshold.
    RCA_CONTROL(Edit, Edit1, "30000");
    RCA_CONTROL(Edit, Edit2, "50");
    RCA_CONTROL(Label, LabelPercent, "%");
    RCA_CONTROL(Button, Button11, "<=");
    RCA_CONTROL(Button, Button12, "=>");
    RCA_CONTROL(CheckBox, CheckBox1, "Red marks", false);

    // a, b, c, d of the entry last right-clicked (hidden).
    RCA_CONTROL(Label, Label2, "a");
    RCA_CONTROL(Label, Label3, "b");
    RCA_CONTROL(Label, Label4, "c");
    RCA_CONTROL(Label, Label5, "d");

    // Counts along rows 'Y!=' / 'Y2=' and along columns 'X!=' / 'X2='.
    RCA_CONTROL(Chart, Chart1, "Counts along the rows Y!= (green) and Y2= (red)",
                std::vector<ChartSeries>{{"Y!=", ChartSeries::Style::Point, 0x008000, {}},
                                         {"Y2=", ChartSeries::Style::Point, clRed, {}}});
    RCA_CONTROL(Chart, Chart2, "Counts along the columns X!= (green) and X2= (red)",
                std::vector<ChartSeries>{{"X!=", ChartSeries::Style::Point, 0x008000, {}},
                                         {"X2=", ChartSeries::Style::Point, clRed, {}}});
};

} // namespace rca
