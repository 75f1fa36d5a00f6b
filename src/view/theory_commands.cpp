#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerTheory(Workbench&) {}

} // namespace rca
