#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerSetup(Workbench&) {}

} // namespace rca
