#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerRunControl(Workbench&) {}

} // namespace rca
