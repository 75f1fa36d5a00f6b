#pragma once
// 'Show initial': the point counts, the square width, the first C and B
// points (editable) and B points 2..7 (shown only), and 'DO'.
#include "forms/form.h"

#include <array>

namespace rca {

class TForm3 : public Form {
  public:
    TForm3();

    RCA_CONTROL(Label, Label1, "Npoints \"C\"");
    RCA_CONTROL(Edit, Edit1, "0");
    RCA_CONTROL(Label, Label2, "Npoints \"B\"");
    RCA_CONTROL(Edit, Edit2, "8");
    RCA_CONTROL(Label, Label3, "SIZE X =");
    RCA_CONTROL(Edit, Edit11, "131");

    RCA_CONTROL(Label, Label4, "X");
    RCA_CONTROL(Label, Label5, "Y");
    RCA_CONTROL(Label, Label6, "X");
    RCA_CONTROL(Label, Label7, "Y");

    // Left column: C points 0 and 1, then six rows that only show "0".
    RCA_CONTROL(Edit, Edit3, "0");
    RCA_CONTROL(Edit, Edit4, "0");
    RCA_CONTROL(Edit, Edit5, "0");
    RCA_CONTROL(Edit, Edit6, "0");
    RCA_CONTROL(Edit, Edit12, "0");
    RCA_CONTROL(Edit, Edit13, "0");
    RCA_CONTROL(Edit, Edit14, "0");
    RCA_CONTROL(Edit, Edit15, "0");
    RCA_CONTROL(Edit, Edit16, "0");
    RCA_CONTROL(Edit, Edit17, "0");
    RCA_CONTROL(Edit, Edit18, "0");
    RCA_CONTROL(Edit, Edit19, "0");
    RCA_CONTROL(Edit, Edit28, "0");
    RCA_CONTROL(Edit, Edit29, "0");
    RCA_CONTROL(Edit, Edit32, "0");
    RCA_CONTROL(Edit, Edit33, "0");

    // Right column: B points 0 and 1, then B points 2..7 shown only.
    RCA_CONTROL(Edit, Edit7, "0");
    RCA_CONTROL(Edit, Edit8, "0");
    RCA_CONTROL(Edit, Edit9, "0");
    RCA_CONTROL(Edit, Edit10, "0");
    RCA_CONTROL(Edit, Edit26, "0");
    RCA_CONTROL(Edit, Edit27, "0");
    RCA_CONTROL(Edit, Edit24, "0");
    RCA_CONTROL(Edit, Edit25, "0");
    RCA_CONTROL(Edit, Edit22, "0");
    RCA_CONTROL(Edit, Edit23, "0");
    RCA_CONTROL(Edit, Edit21, "0");
    RCA_CONTROL(Edit, Edit20, "0");
    RCA_CONTROL(Edit, Edit30, "0");
    RCA_CONTROL(Edit, Edit31, "0");
    RCA_CONTROL(Edit, Edit34, "0");
    RCA_CONTROL(Edit, Edit35, "0");

    RCA_CONTROL(Button, Button1, "DO");

    // Row r of each column as its (X, Y) fields, r = 0..7.
    std::array<std::array<Edit*, 2>, 8> cRows();
    std::array<std::array<Edit*, 2>, 8> bRows();
};

} // namespace rca
