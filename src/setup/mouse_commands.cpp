#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerMouse(Workbench&) {}

} // namespace rca
