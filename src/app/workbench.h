#pragma once
// The whole program without a screen: the bench with the main window laid
// out and every subsystem registered.
#include "app/tform1.h"
#include "forms/bench.h"

namespace rca {

class Workbench : public Bench {
  public:
    // The workbench does not own the host; nullptr means a NullHost. Its
    // files lie in `workdir` (empty: the current directory at construction).
    explicit Workbench(Host* host = nullptr, const std::filesystem::path& workdir = {});

    TForm1& form1() { return static_cast<TForm1&>(Bench::form1()); }
    // The main window's show handler: the start-up defaults and the first trial.
    void startUp() { run("FormShow"); }
};

} // namespace rca
