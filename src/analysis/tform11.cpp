#include "analysis/tform11.h"

#include <string>

namespace rca {

TForm11::TForm11() : Form("TForm11", "Improove", 520, 250) {
    at(LabelTimeCrit, "", 16, 16, 80, 16);
    at(Edit1, "", 100, 12, 70, 22);
    at(LabelTimeAll, "", 16, 46, 80, 16);
    at(Edit2, "", 100, 42, 70, 22);
    at(LabelN0, "", 16, 76, 80, 16);
    at(Edit3, "", 100, 72, 70, 22);

    const std::array<std::array<Control*, 2>, 4> counters = {
        {{&LabelNA, &Label1}, {&LabelNB, &Label2}, {&LabelNC, &Label3}, {&LabelNipr, &Label4}}};
    for (size_t k = 0; k < counters.size(); ++k) {
        const int y = 16 + 30 * static_cast<int>(k);
        at(*counters[k][0], "", 240, y, 50, 16);
        at(*counters[k][1], "", 290, y, 80, 16);
    }
    for (int k = 0; k < 7; ++k) {
        const std::string n = std::to_string(k);
        headers[k] = &add<Label>("LabelHead" + n, n);
        values[k] = &add<Label>("LabelValue" + n, "0");
        entries[k] = &add<Label>("LabelEntry" + n, "0");
        const int x = 16 + 70 * k;
        at(*headers[k], "", x, 140, 60, 16);
        at(*values[k], "", x, 165, 60, 16);
        at(*entries[k], "", x, 190, 60, 16);
    }
    at(LabelLast, "", 16, 220, 40, 16);
    at(Label5, "", 60, 220, 80, 16);
    at(Label6, "", 150, 220, 80, 16);
}

} // namespace rca
