// 'READ FROM FILE' and 'READ FROM FILE (R)': the bright pixels of the
// imported picture become C cells of the square field or blue pixels of the
// main window. Both redraw the picture whatever was read.
#include "files/picture_import.h"
#include "forms/bench.h"
#include "forms/wiring.h"
#include "state/fixed_paths.h"
#include "state/video_state.h"

#include <string>

namespace rca {

namespace {

void runImport(Bench& wb, const std::function<void(int x, int y)>& bright) {
    const VideoState& v = wb.state<VideoState>();
    const std::string file = fixedPath(paths::importPicture);
    if (!frameSizeUsable(v)) {
        wb.report("cannot import " + file + " at the frame size " + std::to_string(v.frameWidth) +
                  " x " + std::to_string(v.frameHeight));
        wb.run("Button3Click");
        return;
    }
    const PictureImport r = importPicture(wb.file(file), v.frameWidth, v.frameHeight, bright);
    for (const std::string& notice : importNotices(file, wb.file(file), r, v.frameHeight))
        wb.report(notice);
    wb.run("Button3Click");
}

} // namespace

void registerPictureImport(Bench& wb) {
    MainControls& f = wb.form1();
    auto& toSquare = f.add<MenuItem>("READFROMFILE1", "READ FROM FILE", "Initial");
    auto& toWindow = f.add<MenuItem>("READFROMFILER1", "READ FROM FILE (R)", "Initial");
    Bench* w = &wb;
    define(wb, toSquare, "Click", [w] {
        auto& field = w->model().squareField;
        // Each 5 x 5 block is one cell pair, stored at x + y like the rest of the field.
        runImport(*w, [&field](int x, int y) {
            const size_t index = static_cast<size_t>(x / 5 + y / 5);
            if (index < field.size()) field[index] = 0;
        });
    });
    define(wb, toWindow, "Click", [w] {
        Canvas& c = w->canvas();
        runImport(*w, [&c](int x, int y) { c.setPixel(x, y, clBlue); });
    });
}

} // namespace rca
