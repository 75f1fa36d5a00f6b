// Writing one frame (512 x 512 and the widest, 8448 x 704) (capture, layout, file) and one strip of
// the strip picture, to set against the recorders' 200 ms tick.
#include "app/workbench.h"
#include "files/frame_bmp.h"
#include "scratch_workdir.h"
#include "state/video_state.h"
#include "video/frame_file.h"
#include "video/strip_file.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path scratch(const char* name) {
    return fs::temp_directory_path() / ("rcalab-bench-" + std::to_string(::getpid()) + name);
}

QImage picture() {
    QImage img(1146, 767, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    return img;
}

void frame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const QImage img = picture();
    std::vector<uint8_t> buffer(rca::templateBufferBytes, 0);
    const auto header = rca::bmpHeader(width, height);
    std::copy(header.begin(), header.end(), buffer.begin());
    const fs::path file = scratch("-frame.bmp");
    for (auto _ : state) {
        const auto bytes = rca::frameBytes(buffer, rca::frameRows(img, width, height));
        benchmark::DoNotOptimize(rca::writeWholeFile(file, bytes));
    }
    fs::remove(file);
}
BENCHMARK(frame)->Args({512, 512})->Args({8448, 704})->Unit(benchmark::kMillisecond);

void strip352(benchmark::State& state) {
    const QImage img = picture();
    const int height = static_cast<int>(state.range(0));
    const fs::path file = scratch("-strip.bmp");
    {
        const auto header = rca::bmpHeader(8448, height);
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(header.data()), header.size());
    }
    rca::StripFile strip;
    if (!strip.open(file).empty()) state.SkipWithError("cannot open the strip file");
    int t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(strip.write(t, img, 352, height));
        t = (t + 1) % rca::stripCount;
    }
    strip.close();
    fs::remove(file);
}
BENCHMARK(strip352)->Arg(512)->Arg(704)->Unit(benchmark::kMillisecond);

// A whole Timer3 tick at 512 x 512 without stepping: template, capture and
// one frame file, numbered anew each time.
void recorderTick(benchmark::State& state) {
    const ScratchWorkdir dir("rcalab-video-bench-workdir");
    if (!dir.ok()) state.SkipWithError("cannot make a working directory");
    rca::Workbench wb;
    wb.startUp();
    wb.form1().findAs<rca::MenuItem>("Dntmove1")->setChecked(true);
    wb.run("Playvideo1Click");
    for (auto _ : state)
        wb.form1().Timer3.fire();
}
BENCHMARK(recorderTick)->Unit(benchmark::kMillisecond);

} // namespace
