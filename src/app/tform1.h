#pragma once
// The main window: its controls laid out as every front end shows them.
#include "forms/main_controls.h"

namespace rca {

class TForm1 : public MainControls {
  public:
    TForm1();
};

} // namespace rca
