#include "app/subsystems.h"
#include "app/workbench.h"

namespace rca {

void registerPicture(Workbench&) {}

} // namespace rca
