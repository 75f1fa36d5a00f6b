#include "analysis/tform10.h"

#include <initializer_list>

namespace rca {

TForm10::TForm10() : Form("TForm10", "Explore CHANGE", 830, 830) {
    // The picture (70 cells of 6 pixels) and the cross lines up to x, y 420.
    makeSurface(422, 422);
    Label1.place("", {440, 16, 220, 40});
    Label1.setFontSize(20); // the sum or the pressed value, large beside the picture
    LabelX.place("", {440, 70, 24, 16});
    Label2.place("", {466, 70, 40, 16});
    LabelY.place("", {520, 70, 24, 16});
    Label3.place("", {546, 70, 40, 16});
    Button3.place("", {440, 100, 90, 26});
    Edit1.place("", {440, 140, 90, 22});
    Edit2.place("", {440, 168, 90, 22});
    Edit3.place("", {440, 196, 90, 22});
    RadioGroup1.place("", {440, 230, 120, 110});
    RadioGroup2.place("", {680, 16, 130, 320});
    RadioGroup3.place("", {570, 230, 50, 60});
    RadioGroup4.place("", {622, 230, 50, 60});
    Button1.place("", {570, 300, 100, 26});
    Button2.place("", {570, 330, 100, 26});
    for (Control* c :
         std::initializer_list<Control*>{&RadioGroup3, &RadioGroup4, &Button1, &Button2})
        c->setVisible(false);
    Chart5.place("", {0, 430, 830, 196});
    Chart6.place("", {0, 630, 830, 196});
}

} // namespace rca
