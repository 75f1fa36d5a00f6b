// The frame recorder: 'Record video' clears old frames and starts Timer3;
// each tick steps the automaton and writes numbered copies of the picture.
// Also the three-picture mode and the replay of a recorded frame.
#include "files/fixed_write.h"
#include "files/frame_bmp.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "io/file_problem.h"
#include "io/regular_file.h"
#include "state/fixed_paths.h"
#include "state/saturating.h"
#include "state/video_state.h"
#include "video/frame_file.h"
#include "video/frame_template.h"
#include "video/recorder_notices.h"
#include "video/tform12.h"
#include "video/video_registration.h"

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>

namespace rca {

namespace {

constexpr int maxOldFrames = 2000;

struct RecorderMarks {
    MenuItem& dontMove;
    MenuItem& cadr;
    MenuItem& threePictures;
    MenuItem& replay;
};

// Frames the recorder made are far below this; anything larger is not one.
constexpr uint64_t largestPicture = uint64_t{1} << 28;

// A picture read only from a plain file, so a pipe at its name cannot hold
// the recorder. "" or why not.
std::string loadPicture(const std::filesystem::path& file, QImage& picture) {
    RegularFile in(file, RegularFile::Access::Read);
    if (!in.isOpen()) return in.problem();
    if (in.size() > largestPicture) return "it is too large for a picture";
    QByteArray bytes(static_cast<qsizetype>(in.size()), '\0');
    bytes.resize(static_cast<qsizetype>(in.read(bytes.data(), in.size())));
    if (!picture.loadFromData(bytes)) return "it is not a picture";
    return "";
}

// Old frames go from 0 up to the first one that cannot be opened.
void deleteOldFrames(const Bench& wb) {
    for (int n = 0; n < maxOldFrames; ++n) {
        const auto file = wb.file(frameFileName(n));
        if (!RegularFile(file, RegularFile::Access::ReadWrite).isOpen()) return;
        std::error_code ec;
        std::filesystem::remove(file, ec);
        if (ec) return;
    }
}

class FrameRecorder {
  public:
    FrameRecorder(Bench& wb, TForm12& sizes, RecorderMarks marks)
        : wb_(wb), sizes_(sizes), marks_(marks), v_(wb.state<VideoState>()),
          notices_(wb.state<RecorderNotices>()) {}

    void start() {
        v_.frameTick = 0;
        v_.frameNumber = 0;
        notices_.reset();
        deleteOldFrames(wb_);
        wb_.form1().Timer3.setInterval(200);
        wb_.form1().Timer3.setEnabled(true);
    }

    void tick() {
        const int size = sizes_.RadioGroup1.itemIndex();
        if (size < 0 || !frameSizeUsable(v_)) {
            notices_.once(RecorderNotices::NoSize, wb_,
                          "no frame size is selected in the picture-size window, or the size "
                          "is out of range: the recorder skips its ticks");
            return;
        }
        if (!marks_.dontMove.checked()) wb_.run("Button2Click");
        if (marks_.replay.checked())
            v_.replayPosition = std::max(0, saturatingAdd(v_.replayPosition, -3));
        useTemplate(frameSizes()[static_cast<size_t>(size)].templatePath);
        const int count = v_.frameTick >= 0 && v_.frameTick < framesPerTickEntries
                              ? v_.framesPerTick[static_cast<size_t>(v_.frameTick)]
                              : 1;
        if (count > 0) writeFrames(count);
        wb_.form1().StatusBar1.setText(std::to_string(v_.frameTick));
        countUp(v_.frameTick);
        if (marks_.cadr.checked() && wb_.model().stepTime > 0) wb_.form1().Timer3.setEnabled(false);
    }

    // 'Load f 71': the recorded frame at a third of the replay position.
    void replayFrame() {
        const std::string file = fixedPath(std::string(paths::replayPrefix) +
                                           paddedNumber(v_.replayPosition / 3) + ".bmp");
        QImage picture;
        if (const std::string problem = loadPicture(wb_.resolve(file), picture); !problem.empty()) {
            wb_.report("cannot show " + file + ": " + problem);
            return;
        }
        wb_.canvas().drawImage(0, 0, picture);
    }

  private:
    void useTemplate(const std::string& templatePath) {
        const std::string file = fixedPath(templatePath);
        const std::string problem =
            loadTemplate(wb_.resolve(file), v_.frameWidth, v_.frameHeight, v_.templateBuffer);
        if (!problem.empty())
            notices_.once(RecorderNotices::BuiltHeader, wb_,
                          "the frame template " + file + " is not used (" + problem +
                              "): the frames get a header of " + std::to_string(v_.frameWidth) +
                              " x " + std::to_string(v_.frameHeight) + " built here");
    }

    void writeFrames(int count) {
        if (marks_.threePictures.checked()) drawThreePictures();
        const auto bytes = frameBytes(
            v_.templateBuffer, frameRows(wb_.canvas().image(), v_.frameWidth, v_.frameHeight));
        for (int i = 0; i < count; ++i) {
            const std::string file = fixedPath(frameFileName(v_.frameNumber));
            if (std::string refusal = fixedWriteRefusal(wb_, file); !refusal.empty())
                notices_.once(RecorderNotices::WriteFailed, wb_, refusal);
            else if (!writeWholeFile(wb_.resolve(file), bytes))
                notices_.once(RecorderNotices::WriteFailed, wb_,
                              "cannot write " + file + ": " +
                                  writeFailure(wb_.resolve(file), false));
            countUp(v_.frameNumber);
        }
    }

    // Three recorded pictures of the same tick, side by side.
    void drawThreePictures() {
        wb_.run("Clearall1Click");
        static constexpr int at[3][2] = {{0, 0}, {352, 0}, {172, 352}};
        Canvas& c = wb_.canvas();
        for (size_t k = 0; k < paths::threePicturePrefixes.size(); ++k) {
            const std::string file = fixedPath(std::string(paths::threePicturePrefixes[k]) +
                                               paddedNumber(v_.frameTick) + ".bmp");
            QImage picture;
            if (const std::string problem = loadPicture(wb_.resolve(file), picture);
                problem.empty())
                c.drawImage(at[k][0], at[k][1], picture);
            else
                notices_.once(RecorderNotices::MissingInput, wb_,
                              "cannot read " + file + " (" + problem +
                                  "): the three-picture mode leaves it out");
        }
        c.pen = Pen{clBtnFace, PenStyle::Solid, 3};
        c.line(353, 0, 353, 350);
    }

    Bench& wb_;
    TForm12& sizes_;
    RecorderMarks marks_;
    VideoState& v_;
    RecorderNotices& notices_;
};

struct FrameRecorderHolder {
    std::unique_ptr<FrameRecorder> recorder;
};

void defineFramesPerTick(Bench& wb, MainControls& f, VideoState& v) {
    auto& slowStart = f.add<MenuItem>("Maxkabeg1", "MAXK beg", "Video");
    auto& five = f.add<MenuItem>("MAXK51", "MAXK= 5", "Video");
    // A decreasing run over entries 0..13; entry 3 takes 14, between 16 and 10.
    define(wb, slowStart, "Click", [&v] {
        constexpr std::array<int32_t, 14> run = {20, 18, 16, 14, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
        std::copy(run.begin(), run.end(), v.framesPerTick.begin());
    });
    define(wb, five, "Click", [&v] { v.framesPerTick.fill(5); });
}

} // namespace

void registerFrameRecorder(Bench& wb, TForm12& sizes) {
    MainControls& f = wb.form1();
    VideoState& v = wb.state<VideoState>();
    auto& record = f.add<MenuItem>("Playvideo1", "Record video", "Video");
    auto& dontMove = f.add<MenuItem>("Dntmove1", "Dnt move", "Video", true);
    defineFramesPerTick(wb, f, v);
    auto& cadr = f.add<MenuItem>("Cadr1", "Cadr", "Video", true);
    auto& replay = f.add<MenuItem>("RisLoad1", "Ris Load", "EXPO_1", true);
    auto& three = f.add<MenuItem>("Load3pict1", "Load 3 pict", "NEW", true);
    auto& loadFrame = f.add<Button>("Button71", "Load f 71");
    loadFrame.setVisible(false);

    auto& holder = wb.state<FrameRecorderHolder>();
    holder.recorder =
        std::make_unique<FrameRecorder>(wb, sizes, RecorderMarks{dontMove, cadr, three, replay});
    FrameRecorder& r = *holder.recorder;
    define(wb, record, "Click", [&r] { r.start(); });
    define(wb, f.Timer3, "Timer", [&r] { r.tick(); });
    define(wb, loadFrame, "Click", [&r] { r.replayFrame(); });
    Bench* w = &wb;
    define(wb, replay, "Click", [w, &replay] {
        replay.toggle();
        w->run("Button71Click");
    });
    for (MenuItem* m : {&dontMove, &cadr, &three})
        defineToggle(wb, *m);

    wb.atStartupStep(7, [&dontMove] { dontMove.setChecked(false); });
    wb.atStartupStep(9, [&three] { three.setChecked(false); });
    wb.atStartupStep(10, [&v] { v.framesPerTick.fill(1); });
    wb.atStartupStep(12, [&replay] { replay.setChecked(false); });
    wb.atStartupStep(13, [&cadr] { cadr.setChecked(false); });
}

} // namespace rca
