#pragma once
// The batch mode's tallies live in hidden labels of the main window. This
// dock shows them, read-only, with a readable name each.
#include "app/tform1.h"
#include "gui/observations.h"

#include <QDockWidget>

namespace rcagui {

class BatchStatsDock : public QDockWidget {
  public:
    BatchStatsDock(const rca::TForm1& form, QWidget* parent);

  private:
    Observations observations_;
};

} // namespace rcagui
