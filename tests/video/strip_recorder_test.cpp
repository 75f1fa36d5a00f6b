// The strip picture: strips at their columns, never over the header or a
// neighbour; the recorder stops after the 24th strip.
#include "video/strip_file.h"
#include "video_fixture.h"

namespace {

using namespace videotest;

void makeStripFile(int height) {
    auto h = bmpHeader(8448, height);
    std::vector<uint8_t> bytes(h.begin(), h.end());
    bytes.resize(54 + stripRowBytes * height, 0xEE);
    writeBytes(paths::stripPicture, bytes);
}

QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

TEST(StripFile, StripsLandInTheirColumnsAndStayThere) {
    TempWorkdir dir;
    makeStripFile(4);
    StripFile strip;
    ASSERT_EQ(strip.open(paths::stripPicture), "");
    // A picture wider than a strip must not spill into the neighbour.
    for (int t : {0, 5, 23})
        ASSERT_TRUE(strip.write(t, filled(400, 4, qRgb(t, 1, 2)), 400, 4)) << t;
    EXPECT_FALSE(strip.write(24, filled(400, 4, 0), 352, 4));
    EXPECT_FALSE(strip.write(-1, filled(400, 4, 0), 352, 4));
    strip.close();

    const auto bytes = readBytes(paths::stripPicture);
    ASSERT_EQ(bytes.size(), 54 + stripRowBytes * 4);
    const auto header = bmpHeader(8448, 4);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    EXPECT_EQ(stripRowOffset(54, 0, 0), 54u + 8096 * 3);
    EXPECT_EQ(stripRowOffset(54, 23, 1), 54u + stripRowBytes);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8448; column += 351) {
            const int block = column / stripWidth, t = stripCount - 1 - block;
            const bool written = t == 0 || t == 5 || t == 23;
            const size_t at = 54 + row * stripRowBytes + column * 3;
            EXPECT_EQ(bytes[at], written ? 2 : 0xEE) << row << "," << column;
            EXPECT_EQ(bytes[at + 2], written ? t : 0xEE) << row << "," << column;
        }
}

TEST_F(Video, StripRecorderStopsAtTheTwentyFourthStrip) {
    sizes.RadioGroup1.setItemIndex(5); // 352 x 100
    makeStripFile(100);
    const auto header = readBytes(paths::stripPicture);
    wb.run("Recordvideo31Click");
    EXPECT_EQ(wb.model().stepsPerPress, 1);
    ASSERT_TRUE(wb.form1().Timer8.isEnabled());
    for (int k = 0; k < 30; ++k)
        wb.form1().Timer8.fire();
    EXPECT_FALSE(wb.form1().Timer8.isEnabled());
    EXPECT_EQ(v.frameTick, 24);
    EXPECT_EQ(wb.form1().StatusBar1.text(), "23");
    const auto bytes = readBytes(paths::stripPicture);
    EXPECT_EQ(bytes.size(), header.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 54, header.begin()));
    // No strip is left as the file had it.
    for (int t = 0; t < stripCount; ++t)
        EXPECT_NE(bytes[stripRowOffset(54, t, 50)], 0xEE) << t;
}

TEST_F(Video, StripRecorderStopsWhenTheFrameRecorderMovedTheCounter) {
    makeStripFile(100);
    sizes.RadioGroup1.setItemIndex(5);
    wb.run("Recordvideo31Click");
    v.frameTick = 30;
    const auto before = readBytes(paths::stripPicture);
    wb.form1().Timer8.fire();
    EXPECT_FALSE(wb.form1().Timer8.isEnabled());
    EXPECT_EQ(readBytes(paths::stripPicture), before);
}

TEST_F(Video, AMissingStripFileIsReportedAndNothingStarts) {
    wb.run("Recordvideo31Click");
    EXPECT_TRUE(host.reported("filedem24.bmp"));
    EXPECT_FALSE(wb.form1().Timer8.isEnabled());
    EXPECT_FALSE(fs::exists(paths::stripPicture));
}

} // namespace
