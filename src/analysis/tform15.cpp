#include "analysis/tform15.h"

namespace rca {

TForm15::TForm15() : Form("TForm15", "Show SQUARE RCA", 560, 330) {
    Label1.place("", {16, 8, 200, 16});
    LabelReading.place("", {16, 42, 80, 16});
    Edit1.place("", {100, 38, 80, 22});
    Button3.place("", {16, 70, 164, 26});
    LabelStop.place("", {16, 114, 70, 16});
    Edit3.place("", {86, 110, 80, 22});
    LabelSteps.place("", {172, 114, 40, 16});
    RadioGroup1.place("", {16, 146, 180, 170});

    GroupBox1.place("", {210, 8, 340, 308});
    RadioGroup5.place("GroupBox1", {10, 20, 75, 150});
    RadioGroup2.place("GroupBox1", {92, 20, 75, 150});
    RadioGroup3.place("GroupBox1", {174, 20, 75, 150});
    RadioGroup4.place("GroupBox1", {256, 20, 75, 230});
}

} // namespace rca
