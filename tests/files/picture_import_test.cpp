// The picture import: bright pixels into the square field or onto the
// window, and short or broken files read no further than they go.
#include "files/frame_bmp.h"
#include "files/picture_import.h"
#include "state/video_state.h"
#include "workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

constexpr const char* picture = "data/1_1.BMP";

// A 512 x 512 picture, all dark, with pixels of the given blue bytes at
// (x, stored row); `rows` rows are kept.
void writePicture(std::vector<std::tuple<int, int, uint8_t>> pixels, int rows = 512,
                  std::array<uint8_t, 54> header = bmpHeader(512, 512)) {
    std::vector<uint8_t> bytes(header.begin(), header.end());
    bytes.resize(54 + size_t(rows) * 512 * 3, 0);
    for (auto [x, row, blue] : pixels)
        if (row < rows) bytes[54 + (size_t(row) * 512 + x) * 3] = blue;
    writeBytes(picture, bytes);
}

struct Import : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Import() {
        wb.startUp();
        wb.model().squareField.fill(2);
        host.messages.clear();
    }
};

TEST_F(Import, BrightPixelsBecomeCCellsAndBluePixels) {
    // Stored row 0 is picture row 511; 60 is not bright, 61 is.
    writePicture({{12, 0, 61}, {40, 0, 60}, {100, 300, 255}});
    wb.run("READFROMFILE1Click");
    auto& q = wb.model().squareField;
    EXPECT_EQ(q[12 / 5 + 511 / 5], 0);
    EXPECT_EQ(q[100 / 5 + 211 / 5], 0);
    EXPECT_EQ(q[40 / 5 + 511 / 5], 2);
    EXPECT_EQ(std::count(q.begin(), q.end(), 0), 2);
    EXPECT_TRUE(host.messages.empty());

    wb.run("READFROMFILER1Click");
    EXPECT_EQ(wb.canvas().pixel(12, 511), clBlue);
    EXPECT_EQ(wb.canvas().pixel(100, 211), clBlue);
    EXPECT_NE(wb.canvas().pixel(40, 511), clBlue);
}

// Under the sanitizers: a short file is read as far as it goes.
TEST_F(Import, ShortOrBrokenFilesUseOnlyWhatWasRead) {
    writePicture({{12, 0, 200}, {30, 9, 200}, {30, 10, 200}}, 10);
    wb.run("READFROMFILE1Click");
    auto& q = wb.model().squareField;
    EXPECT_EQ(q[12 / 5 + 511 / 5], 0);
    EXPECT_EQ(q[30 / 5 + 502 / 5], 0);
    EXPECT_EQ(std::count(q.begin(), q.end(), 0), 2);
    EXPECT_TRUE(host.reported("10 of 512 rows"));

    // Half a row more: only whole pixels count.
    auto bytes = readBytes(picture);
    bytes.resize(bytes.size() + 100, 255);
    writeBytes(picture, bytes);
    const auto r = importPicture(picture, 512, 512, [](int, int) {});
    EXPECT_EQ(r.rowsRead, 10);
    EXPECT_EQ(r.pixelsOfPartRow, 33);

    auto far = bmpHeader(512, 512);
    far[12] = 0x7F; // pixel offset far past the end
    writePicture({{1, 1, 200}}, 2, far);
    q.fill(2);
    wb.run("READFROMFILE1Click");
    EXPECT_EQ(std::count(q.begin(), q.end(), 0), 0);
    EXPECT_TRUE(host.reported("pixel offset"));

    writeBytes(picture, {'B', 'M', 0});
    wb.run("READFROMFILER1Click");
    fs::remove(picture);
    host.messages.clear();
    wb.run("READFROMFILE1Click");
    EXPECT_TRUE(host.reported("missing"));
}

// Any pixel offset inside the file is read from, one inside the header too.
TEST_F(Import, AnOffsetInsideTheHeaderIsReadFromThere) {
    for (uint8_t offset : {0, 13}) {
        auto header = bmpHeader(512, 512);
        header[10] = offset;
        writePicture({}, 512, header);
        bool cornerBright = false;
        const auto r = importPicture(picture, 512, 512,
                                     [&](int x, int y) { cornerBright |= x == 0 && y == 511; });
        EXPECT_FALSE(r.badOffset) << int(offset);
        EXPECT_EQ(r.rowsRead, 512) << int(offset);
        EXPECT_EQ(cornerBright, offset == 0) << "from byte 0 the first blue byte is 'B' (66)";
    }
}

TEST_F(Import, AHeaderOfAnotherSizeIsReportedAndStillRead) {
    writePicture({{3, 0, 99}}, 512, bmpHeader(352, 704));
    wb.run("READFROMFILE1Click");
    EXPECT_TRUE(host.reported("352 x 704"));
    EXPECT_EQ(wb.model().squareField[3 / 5 + 511 / 5], 0);

    // A size set by hand beyond the widest frame is refused, not allocated.
    wb.state<VideoState>().frameWidth = 2000000000;
    wb.model().squareField.fill(2);
    wb.run("READFROMFILE1Click");
    EXPECT_TRUE(host.reported("at the frame size 2000000000 x 512"));
    EXPECT_EQ(wb.model().squareField[3 / 5 + 511 / 5], 2);
}

} // namespace
