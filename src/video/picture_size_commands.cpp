// The picture-size window 'Y' and its opener '(F) Show video'.
#include "engine/number_parse.h"
#include "files/frame_bmp.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/video_state.h"
#include "video/tform12.h"
#include "video/video_registration.h"

#include <array>
#include <memory>
#include <string>

namespace rca {

namespace {

struct IntEdit {
    Edit* edit;
    int32_t* value;
};

std::array<IntEdit, 11> intEdits(TForm12& f, VideoState& v) {
    return {{{&f.Edit6, &v.overlay[0]},
             {&f.Edit7, &v.overlay[1]},
             {&f.Edit8, &v.overlay[2]},
             {&f.Edit9, &v.overlay[3]},
             {&f.Edit10, &v.overlay[4]},
             {&f.Edit11, &v.overlay[5]},
             {&f.Edit2, &v.leftMultiplier},
             {&f.Edit3, &v.rightMultiplier},
             {&f.Edit4, &v.markX},
             {&f.Edit5, &v.markY},
             {&f.Edit12, &v.spare}}};
}

void addFields(Bench& wb, VideoState& v) {
    Fields& fl = wb.fields();
    for (auto [name, value] : {std::pair{"frameWidth", &v.frameWidth},
                               {"frameHeight", &v.frameHeight},
                               {"frameTick", &v.frameTick},
                               {"frameNumber", &v.frameNumber},
                               {"replayPosition", &v.replayPosition}})
        fl.add(name, value);
    fl.addArray("framesPerTick", &v.framesPerTick);
    fl.addArray("overlayParameters", &v.overlay);
}

} // namespace

TForm12& registerPictureSize(Bench& wb) {
    auto& f = wb.addForm(std::make_unique<TForm12>());
    VideoState& v = wb.state<VideoState>();
    addFields(wb, v);
    define(wb, f.RadioGroup1, "Click", [&f, &v] {
        const int i = f.RadioGroup1.itemIndex();
        if (i < 0 || i >= static_cast<int>(frameSizes().size())) return;
        v.frameWidth = frameSizes()[i].width;
        v.frameHeight = frameSizes()[i].height;
    });
    // Read by no command here; kept as the user set them.
    define(wb, f.RadioGroup2, "Click", [] {});
    define(wb, f.RadioGroup3, "Click", [] {});
    for (IntEdit e : intEdits(f, v))
        define(wb, *e.edit, "Change", [e] { *e.value = parseNumber(e.edit->text()); });
    defineForm(wb, f, "Show", [&f, &v] {
        f.RadioGroup2.setItemIndex(0);
        for (IntEdit e : intEdits(f, v))
            e.edit->setText(std::to_string(*e.value));
    });
    auto& item = wb.form1().add<MenuItem>("Showvideo1", "(F) Show video", "Video");
    defineOpener(wb, item, f);

    wb.atStartupStep(12, [&f] {
        f.RadioGroup3.setItemIndex(1); // "C + B"
        f.RadioGroup2.setItemIndex(1); // "Sq"
        f.RadioGroup1.setItemIndex(9); // "432 x 432"
    });
    wb.atStartupStep(28, [&f, &v] {
        f.RadioGroup1.setItemIndex(4); // "512 x 512"
        v.frameWidth = v.frameHeight = 512;
    });
    return f;
}

} // namespace rca
