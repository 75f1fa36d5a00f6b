// The frame file layout: names, the header built here, the rows taken from
// a picture, the templates of a fresh working directory.
#include "files/frame_bmp.h"
#include "files/workdir_fixture.h"
#include "state/video_state.h"
#include "video/frame_file.h"
#include "video/frame_template.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

TEST(FrameLayout, NamesPadToFourDigits) {
    const std::pair<int, const char*> cases[] = {{0, "video\\file0000.bmp"},
                                                 {12, "video\\file0012.bmp"},
                                                 {999, "video\\file0999.bmp"},
                                                 {1000, "video\\file1000.bmp"},
                                                 {10000, "video\\file10000.bmp"}};
    for (auto [n, name] : cases)
        EXPECT_EQ(frameFileName(n), name) << n;
}

// Every size of the window: a header of its own that reads back as that
// size, and a frame file as long as the template layout makes it.
TEST(FrameLayout, BuiltHeadersFitEverySizeAndGiveTheFileLength) {
    std::vector<uint8_t> buffer(templateBufferBytes);
    for (const FrameSize& s : frameSizes()) {
        const auto h = bmpHeader(s.width, s.height);
        const auto info = parseBmpHeader(h.data(), h.size());
        ASSERT_TRUE(info) << s.caption;
        EXPECT_EQ(frameHeaderProblem(*info, s.width, s.height), "") << s.caption;
        const uint64_t pixels = uint64_t(s.width) * s.height * 3;
        EXPECT_EQ(readLe32(&h[2]), 54 + pixels) << s.caption;
        EXPECT_EQ(readLe32(&h[34]), pixels) << s.caption;

        std::copy(h.begin(), h.end(), buffer.begin());
        const auto rows = frameRows(QImage(4, 4, QImage::Format_RGB32), s.width, s.height);
        EXPECT_EQ(frameBytes(buffer, rows).size(), std::max<uint64_t>(256000, 54 + pixels))
            << s.caption;
    }
    // The two lengths the recorder is known by.
    EXPECT_EQ(54 + 352 * 704 * 3, 743478);
    EXPECT_LT(54 + 352 * 100 * 3, 256000);
}

TEST(FrameLayout, RowsAreBottomUpBlueGreenRedPaddedAsTheHeaderSays) {
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(10, 20, 30));
    img.setPixel(1, 0, qRgb(40, 50, 60));
    img.setPixel(2, 0, qRgb(1, 2, 3));
    img.setPixel(0, 1, qRgb(70, 80, 90));
    img.setPixel(1, 1, qRgb(100, 110, 120));
    img.setPixel(2, 1, qRgb(4, 5, 6));
    // Two columns wide, three rows high: the bottom row lies off the picture,
    // and each row of 6 bytes is padded to 8 as a BMP row is.
    const auto rows = frameRows(img, 2, 3);
    const std::vector<uint8_t> want = {0,  0,  0,  0,   0,   0,   0, 0,  // picture row 2 (off)
                                       90, 80, 70, 120, 110, 100, 0, 0,  // picture row 1
                                       30, 20, 10, 60,  50,  40,  0, 0}; // picture row 0
    EXPECT_EQ(rows, want);
    EXPECT_EQ(readLe32(&bmpHeader(2, 3)[34]), rows.size());
}

TEST(FrameLayout, TemplatesOfAFreshWorkdirAreUsedAndOthersReplaced) {
    TempWorkdir dir;
    std::vector<uint8_t> buffer(templateBufferBytes, 0xAB);
    EXPECT_EQ(loadTemplate("data/f_512_512.bmp", 512, 512, buffer), "");
    EXPECT_EQ(readLe32(&buffer[18]), 512u);
    EXPECT_EQ(buffer[100], 0) << "the rest of the buffer is cleared";

    struct Case {
        const char* file;
        std::vector<uint8_t> bytes;
        const char* problem;
    };
    auto other = bmpHeader(352, 352);
    auto inside = bmpHeader(512, 512);
    inside[10] = 20;
    const Case cases[] = {{"data/none.bmp", {}, "missing"},
                          {"data/short.bmp", {'B', 'M', 1, 2}, "not a picture"},
                          {"data/other.bmp", {other.begin(), other.end()}, "352 x 352"},
                          {"data/inside.bmp", {inside.begin(), inside.end()}, "inside the header"}};
    for (const Case& c : cases) {
        if (!c.bytes.empty()) writeBytes(c.file, c.bytes);
        const std::string problem = loadTemplate(c.file, 512, 512, buffer);
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.file << ": " << problem;
        const auto built = bmpHeader(512, 512);
        EXPECT_TRUE(std::equal(built.begin(), built.end(), buffer.begin())) << c.file;
    }
}

} // namespace
