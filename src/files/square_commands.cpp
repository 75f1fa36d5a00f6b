#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerFiles(Workbench&) {}

} // namespace rca
