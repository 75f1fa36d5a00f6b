#pragma once
// A started workbench in a fresh working directory, with helpers to look at
// the frame files it writes.
#include "app/workbench.h"
#include "files/frame_bmp.h"
#include "files/workdir_fixture.h"
#include "state/fixed_paths.h"
#include "state/video_state.h"
#include "video/tform12.h"

#include <gtest/gtest.h>

#include <string>

namespace videotest {

using namespace rca;
using namespace filestest;

struct Video : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    VideoState& v = wb.state<VideoState>();
    TForm12& sizes = *dynamic_cast<TForm12*>(wb.form("TForm12"));
    Video() { wb.startUp(); }

    static fs::path frame(int n) { return fs::path("video") / ("file" + paddedNumber(n) + ".bmp"); }
    void tick3() { wb.form1().Timer3.fire(); }
    MenuItem& item(const std::string& name) { return *wb.form1().findAs<MenuItem>(name); }
};

} // namespace videotest
