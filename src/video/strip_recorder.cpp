// The strip recorder: 'Record video (3) -' rewinds and replays eight
// batches, then Timer8 writes 24 strips of the picture into the strip file.
#include "files/fixed_write.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/fixed_paths.h"
#include "state/video_state.h"
#include "video/strip_file.h"
#include "video/video_registration.h"

#include <string>

namespace rca {

namespace {

class StripRecorder {
  public:
    StripRecorder(Bench& wb, MenuItem& thin) : wb_(wb), thin_(thin), v_(wb.state<VideoState>()) {}

    void start() {
        wb_.run("Button10Click");
        for (int k = 0; k < 8; ++k)
            wb_.run("Button2Click");
        wb_.run("Button10Click");
        for (int k = 0; k < 8; ++k)
            wb_.run("Button2Click");
        setStepsToOne(wb_);
        v_.frameTick = 0;
        const std::string file = fixedPath(paths::stripPicture);
        if (!fixedWriteTarget(wb_, file)) return;
        if (std::string problem = strip_.open(wb_.resolve(file)); !problem.empty()) {
            wb_.report("cannot record strips into " + file + ": " + problem);
            return;
        }
        wb_.form1().Timer8.setInterval(200);
        wb_.form1().Timer8.setEnabled(true);
    }

    void tick() {
        // The frame recorder shares the counter and may have moved it on.
        if (v_.frameTick < 0 || v_.frameTick >= stripCount) return stop();
        if (!frameSizeUsable(v_)) {
            wb_.report("the frame size " + std::to_string(v_.frameWidth) + " x " +
                       std::to_string(v_.frameHeight) + " cannot be recorded");
            return stop();
        }
        wb_.run("Button2Click");
        if (!thin_.checked() || (int64_t{wb_.model().stepTime} + 1) % 3 == 0) {
            if (!strip_.write(v_.frameTick, wb_.canvas().image(), v_.frameWidth, v_.frameHeight)) {
                wb_.report("cannot write strip " + std::to_string(v_.frameTick) + " into " +
                           fixedPath(paths::stripPicture));
                return stop();
            }
            wb_.form1().StatusBar1.setText(std::to_string(v_.frameTick));
            ++v_.frameTick;
        }
        if (v_.frameTick >= stripCount) stop();
    }

  private:
    void stop() {
        wb_.form1().Timer8.setEnabled(false);
        strip_.close();
    }

    Bench& wb_;
    MenuItem& thin_;
    VideoState& v_;
    StripFile strip_;
};

struct StripRecorderHolder {
    std::unique_ptr<StripRecorder> recorder;
};

} // namespace

void registerStripRecorder(Bench& wb) {
    MainControls& f = wb.form1();
    auto& item = f.add<MenuItem>("Recordvideo31", "Record video (3) -", "Video");
    MenuItem& thin = sharedMark(wb, "N1Or31", "1 Or 3", "T=6");
    auto& holder = wb.state<StripRecorderHolder>();
    holder.recorder = std::make_unique<StripRecorder>(wb, thin);
    StripRecorder& r = *holder.recorder;
    define(wb, item, "Click", [&r] { r.start(); });
    define(wb, f.Timer8, "Timer", [&r] { r.tick(); });
    wb.atStartupStep(13, [&thin] { thin.setChecked(false); });
}

} // namespace rca
