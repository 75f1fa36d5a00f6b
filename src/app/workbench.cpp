#include "app/workbench.h"

namespace rca {

#define RCA_SUBSYSTEM(fn) void fn(Bench&);
#include "app/subsystem_list.h"
#undef RCA_SUBSYSTEM
void registerPictureExport(Bench&);

Workbench::Workbench(Host* host, const std::filesystem::path& workdir)
    : Bench(std::make_unique<TForm1>(), host, workdir) {
#define RCA_SUBSYSTEM(fn) fn(*this);
#include "app/subsystem_list.h"
#undef RCA_SUBSYSTEM
    // After the list: it gives every window that draws its menu item.
    registerPictureExport(*this);
}

} // namespace rca
