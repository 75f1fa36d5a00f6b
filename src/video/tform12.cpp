#include "video/tform12.h"

namespace rca {

TForm12::TForm12() : Form("TForm12", "Y", 450, 275) {
    at(RadioGroup1, "", 8, 8, 150, 250);
    at(RadioGroup2, "", 170, 8, 130, 60);
    at(RadioGroup3, "", 310, 8, 130, 60);

    int y = 84;
    for (Edit* e : {&Edit6, &Edit7, &Edit8, &Edit9, &Edit10, &Edit11}) {
        at(*e, "", 170, y, 80, 22);
        y += 28;
    }
    at(Label2, "", 264, 88, 150, 16);
    at(Edit2, "", 264, 106, 60, 22);
    at(Label3, "", 264, 140, 150, 16);
    at(Edit3, "", 264, 158, 60, 22);
    at(Label4, "", 264, 196, 20, 16);
    at(Edit4, "", 284, 192, 50, 22);
    at(Label5, "", 344, 196, 20, 16);
    at(Edit5, "", 364, 192, 50, 22);
    at(Label6, "", 264, 230, 40, 16);
    at(Label7, "", 344, 230, 40, 16);
    at(Edit12, "", 264, 250, 60, 22);
}

} // namespace rca
