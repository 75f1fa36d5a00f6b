#pragma once
// 'Y': the picture-size window. The frame size of the recorders and the
// picture import, the overlay parameters of the experiments and a few
// fields kept for the user.
#include "forms/form.h"

#include <string>
#include <vector>

namespace rca {

class TForm12 : public Form {
  public:
    TForm12();

    RCA_CONTROL(RadioGroup, RadioGroup1, "Size",
                std::vector<std::string>{"352 x 704", "864 x 656", "8448 x 704", "352 x 352",
                                         "512 x 512", "352 x 100", "704 x 704", "120 x 100",
                                         "704 x 432", "432 x 432", "792 x 432", "792 x 640"});
    RCA_CONTROL(RadioGroup, RadioGroup2, "SQ or CI", std::vector<std::string>{"Cir", "Sq"});
    RCA_CONTROL(RadioGroup, RadioGroup3, "C or C+B", std::vector<std::string>{"C", "C + B"});

    // Overlay parameters.
    RCA_CONTROL(Edit, Edit6, "55");
    RCA_CONTROL(Edit, Edit7, "724");
    RCA_CONTROL(Edit, Edit8, "443");
    RCA_CONTROL(Edit, Edit9, "614");
    RCA_CONTROL(Edit, Edit10, "2526");
    RCA_CONTROL(Edit, Edit11, "3");

    RCA_CONTROL(Label, Label2, "Multipl. LEFT mouse");
    RCA_CONTROL(Edit, Edit2, "6");
    RCA_CONTROL(Label, Label3, "Multipl. RIGHT mouse");
    RCA_CONTROL(Edit, Edit3, "100");
    RCA_CONTROL(Label, Label4, "X");
    RCA_CONTROL(Edit, Edit4, "0");
    RCA_CONTROL(Label, Label5, "Y");
    RCA_CONTROL(Edit, Edit5, "0");
    RCA_CONTROL(Label, Label6, "Beg.");
    RCA_CONTROL(Label, Label7, "Fin.");
    RCA_CONTROL(Edit, Edit12, "0");
};

} // namespace rca
