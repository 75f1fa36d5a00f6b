#pragma once
// 'Show SQUARE RCA': a recorded point set read from the points file becomes
// the square configuration, and the step limit of the run.
#include "forms/form.h"

#include <string>
#include <vector>

namespace rca {

class TForm15 : public Form {
  public:
    TForm15();

    RCA_CONTROL(GroupBox, GroupBox1, "Exclusion", clBtnFace);

    RCA_CONTROL(Label, Label1, "Is PARADOXES RCA");
    RCA_CONTROL(Label, LabelReading, "N Reading=");
    RCA_CONTROL(Edit, Edit1, "0");
    RCA_CONTROL(Button, Button3, "Read points from fail");
    RCA_CONTROL(Label, LabelStop, "Stop after");
    RCA_CONTROL(Edit, Edit3, "100000");
    RCA_CONTROL(Label, LabelSteps, "steps");
    // Selections without effect.
    RCA_CONTROL(RadioGroup, RadioGroup1, "k =",
                std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11",
                                         "12"});
    RCA_CONTROL(RadioGroup, RadioGroup5, "S1",
                std::vector<std::string>{"-1", "0", "1", "2", "3", "4"});
    RCA_CONTROL(RadioGroup, RadioGroup2, "S2",
                std::vector<std::string>{"-1", "0", "1", "2", "3", "4"});
    RCA_CONTROL(RadioGroup, RadioGroup3, "S3",
                std::vector<std::string>{"-1", "0", "1", "2", "3", "4"});
    RCA_CONTROL(RadioGroup, RadioGroup4, "S4",
                std::vector<std::string>{"-1", "0", "1", "2", "3", "4", "5", "6", "7", "8"});
};

} // namespace rca
