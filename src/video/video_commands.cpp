// The 'Video' menu: the picture-size window, the grid for films, the two
// recorders, the presets, and the marks nothing here reads.
#include "forms/bench.h"
#include "forms/wiring.h"
#include "video/video_registration.h"

namespace rca {

MenuItem& sharedMark(Bench& wb, const std::string& name, const std::string& caption,
                     const std::string& menu) {
    if (auto* item = wb.form1().findAs<MenuItem>(name)) return *item;
    auto& item = wb.form1().add<MenuItem>(name, caption, menu, true);
    defineToggle(wb, item);
    return item;
}

void registerVideo(Bench& wb) {
    TForm12& sizes = registerPictureSize(wb);
    registerVideoPanels(wb);
    registerFrameRecorder(wb, sizes);
    registerStripRecorder(wb);
    registerVideoPresets(wb);
    MainControls& f = wb.form1();
    auto& main = f.add<MenuItem>("GLAVNUNV1", "GLAVN UNV", "Video", true);
    defineToggle(wb, main);
    // Kept for the menu's shape: they do nothing.
    for (auto [name, caption] : {std::pair{"Recordvideo32", "Record video (3)"}, {"add1", "add"}}) {
        auto& idle = f.add<MenuItem>(name, caption, "Video");
        define(wb, idle, "Click", [] {});
    }
    wb.atStartupStep(7, [&main] { main.setChecked(false); });
}

} // namespace rca
