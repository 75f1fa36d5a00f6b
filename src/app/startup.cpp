#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerStartup(Workbench&) {}

} // namespace rca
