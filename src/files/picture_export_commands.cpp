// 'Save picture as PNG…' in the File menu of every window that draws: the
// picture as it is now, to a file picked in the save dialog.
#include "files/picture_export.h"
#include "forms/bench.h"
#include "forms/wiring.h"

namespace rca {

namespace {

constexpr const char* pngFilter = "PNG picture (*.png)|*.png";

void exportPicture(Bench& wb, const Canvas& surface) {
    const auto file = wb.host().saveFileName(pngFilter);
    if (!file) return;
    if (const std::string failure = savePicture(surface, wb.workdir(), *file); !failure.empty())
        wb.report(failure);
}

} // namespace

// Registered after every window exists, so each surface gets its item.
void registerPictureExport(Bench& wb) {
    for (Form* form : wb.forms()) {
        const Canvas* surface = form->surface();
        if (!surface) continue;
        auto& item = form->add<MenuItem>("SavePicture1", "Save picture as PNG…", "File");
        define(wb, item, "Click", [&wb, surface] { exportPicture(wb, *surface); });
    }
}

} // namespace rca
