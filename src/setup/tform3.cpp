#include "setup/tform3.h"

namespace rca {

TForm3::TForm3() : Form("TForm3", "Show initial", 403, 437) {
    at(Label1, "", 16, 10, 100, 16);
    at(Edit1, "", 16, 28, 90, 22);
    at(Label2, "", 146, 10, 100, 16);
    at(Edit2, "", 146, 28, 90, 22);
    at(Label3, "", 276, 10, 100, 16);
    at(Edit11, "", 276, 28, 90, 22);

    at(Label4, "", 40, 70, 20, 16);
    at(Label5, "", 110, 70, 20, 16);
    at(Label6, "", 230, 70, 20, 16);
    at(Label7, "", 300, 70, 20, 16);
    const auto left = cRows(), right = bRows();
    for (int r = 0; r < 8; ++r) {
        const int y = 90 + 30 * r;
        at(*left[r][0], "", 20, y, 60, 22);
        at(*left[r][1], "", 90, y, 60, 22);
        at(*right[r][0], "", 210, y, 60, 22);
        at(*right[r][1], "", 280, y, 60, 22);
    }
    at(Button1, "", 150, 345, 100, 30);
}

std::array<std::array<Edit*, 2>, 8> TForm3::cRows() {
    return {{{&Edit3, &Edit4},
             {&Edit5, &Edit6},
             {&Edit12, &Edit13},
             {&Edit14, &Edit15},
             {&Edit16, &Edit17},
             {&Edit18, &Edit19},
             {&Edit28, &Edit29},
             {&Edit32, &Edit33}}};
}

std::array<std::array<Edit*, 2>, 8> TForm3::bRows() {
    return {{{&Edit7, &Edit8},
             {&Edit9, &Edit10},
             {&Edit26, &Edit27},
             {&Edit24, &Edit25},
             {&Edit22, &Edit23},
             {&Edit21, &Edit20},
             {&Edit30, &Edit31},
             {&Edit34, &Edit35}}};
}

} // namespace rca
