#pragma once
// 'Improove': the IMPROVE search's limits and start entry, the counters, and
// the first recorded improvements.
#include "forms/form.h"

#include <array>

namespace rca {

class TForm11 : public Form {
  public:
    TForm11();

    RCA_CONTROL(Label, LabelTimeCrit, "Time \"crit\"=");
    RCA_CONTROL(Edit, Edit1, "100");
    RCA_CONTROL(Label, LabelTimeAll, "Time \"all\"=");
    RCA_CONTROL(Edit, Edit2, "600");
    RCA_CONTROL(Label, LabelN0, "N0=");
    RCA_CONTROL(Edit, Edit3, "0");

    RCA_CONTROL(Label, LabelNA, "nAcr=");
    RCA_CONTROL(Label, Label1, "0");
    RCA_CONTROL(Label, LabelNB, "nBcr=");
    RCA_CONTROL(Label, Label2, "0");
    RCA_CONTROL(Label, LabelNC, "nCcr=");
    RCA_CONTROL(Label, Label3, "0");
    RCA_CONTROL(Label, LabelNipr, "Nipr= ");
    RCA_CONTROL(Label, Label4, "0");

    // Column headers 0..6, the first seven values, the first seven entries.
    std::array<Label*, 7> headers{}, values{}, entries{};

    RCA_CONTROL(Label, LabelLast, "last:");
    RCA_CONTROL(Label, Label5, "");
    RCA_CONTROL(Label, Label6, "");
};

} // namespace rca
