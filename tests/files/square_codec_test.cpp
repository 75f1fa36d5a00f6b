// The square-file codec and the one-byte presets on real files.
#include "files/preset_byte.h"
#include "files/square_codec.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

Line sampleLine() {
    Line l{};
    for (int i = 0; i < maxLineCells; ++i)
        l[i] = static_cast<CellState>(i % 3);
    return l;
}

} // namespace

TEST(SquareCodec, EncodesLengthLittleEndianThenAllCells) {
    const SquareBytes b = encodeSquare(0x01020304, sampleLine());
    EXPECT_EQ(b[0], 0x04);
    EXPECT_EQ(b[3], 0x01);
    EXPECT_EQ(b[4], 0);
    EXPECT_EQ(b[5], 1);
    EXPECT_EQ(b[103], 99 % 3);
    const SquareBytes neg = encodeSquare(-2, Line{});
    EXPECT_EQ(neg[0], 0xFE);
    EXPECT_EQ(neg[3], 0xFF);
}

TEST(SquareCodec, ShortRecordFillsOnlyWhatItHolds) {
    int32_t length = 0x11223344;
    Line cells{};
    cells.fill(A);
    const uint8_t two[] = {0x55, 0x66};
    decodeSquare(two, 2, length, cells);
    EXPECT_EQ(length, 0x11226655);
    EXPECT_EQ(cells[0], A);

    const uint8_t six[] = {7, 0, 0, 0, C, B};
    decodeSquare(six, 6, length, cells);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(cells[0], C);
    EXPECT_EQ(cells[1], B);
    EXPECT_EQ(cells[2], A);
}

TEST(SquareFile, RoundTripAndLongerFileKeepsItsTail) {
    TempWorkdir dir;
    writeBytes("CA/long.dat", std::vector<uint8_t>(200, 0xEE));
    ASSERT_TRUE(writeSquareFile("CA/long.dat", 42, sampleLine()));
    auto bytes = readBytes("CA/long.dat");
    ASSERT_EQ(bytes.size(), 200u);
    EXPECT_EQ(bytes[0], 42);
    EXPECT_EQ(bytes[103], 0);
    EXPECT_EQ(bytes[104], 0xEE);
    EXPECT_EQ(bytes[199], 0xEE);

    int32_t length = 0;
    Line cells{};
    auto got = readSquareFile("CA/long.dat", length, cells);
    ASSERT_TRUE(got.opened());
    EXPECT_EQ(got.bytes, 104u);
    EXPECT_EQ(got.size, 200u);
    EXPECT_EQ(length, 42);
    EXPECT_EQ(cells, sampleLine());
}

TEST(SquareFile, NothingIsCreatedOrReadWhenTheFileIsMissing) {
    TempWorkdir dir;
    EXPECT_FALSE(writeSquareFile("CA/none.dat", 5, Line{}));
    EXPECT_FALSE(fs::exists("CA/none.dat"));
    EXPECT_FALSE(writeSquareFile("CA", 5, Line{})); // a folder
    int32_t length = 9;
    Line cells{};
    cells.fill(B);
    EXPECT_EQ(readSquareFile("CA/none.dat", length, cells).problem, "the file is missing");
    EXPECT_EQ(length, 9);
    EXPECT_EQ(cells[0], B);
}

TEST(SquareFile, ShortFileReportsItsSize) {
    TempWorkdir dir;
    writeBytes("CA/short.dat", {3, 0, 0, 0, C, A, B, C, A, B});
    int32_t length = 50;
    Line cells{};
    cells.fill(B);
    auto got = readSquareFile("CA/short.dat", length, cells);
    ASSERT_TRUE(got.opened());
    EXPECT_EQ(got.bytes, 10u);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(cells[5], B);
    EXPECT_EQ(cells[6], B);
    EXPECT_EQ(cells[1], A);
}

TEST(PresetByte, ReadsAndWritesTheFirstFieldByte) {
    TempWorkdir dir;
    SquareState q;
    q.squareField.fill(9);
    writeBytes("CA/ca70.dat", {2, 7, 7});
    ASSERT_TRUE(readPresetByte("CA/ca70.dat", q));
    EXPECT_EQ(q.squareField[0], 2);
    EXPECT_EQ(q.squareField[1], 9);

    writeBytes("CA/empty.dat", {});
    EXPECT_FALSE(readPresetByte("CA/empty.dat", q));
    EXPECT_EQ(q.squareField[0], 2);
    EXPECT_FALSE(readPresetByte("CA/none.dat", q));

    q.squareField[0] = 1;
    ASSERT_TRUE(writePresetByte("CA/ca70.dat", q));
    EXPECT_EQ(readBytes("CA/ca70.dat"), (std::vector<uint8_t>{1, 7, 7}));
    fs::remove("CA/cawri.dat");
    EXPECT_FALSE(writePresetByte("CA/cawri.dat", q));
    EXPECT_FALSE(fs::exists("CA/cawri.dat"));
}

TEST(PresetByte, SeventyFilesByNumber) {
    EXPECT_EQ(preset70File(0), "CA/ca70.dat");
    EXPECT_EQ(preset70File(1), "CA/ca70_2.dat");
    EXPECT_EQ(preset70File(2), "CA/ca70_5.dat");
    EXPECT_EQ(preset70File(3), "CA/ca70_4.dat");
    EXPECT_EQ(preset70File(4), "CA/ca70_3.dat");
    EXPECT_FALSE(preset70File(5));
    EXPECT_FALSE(preset70File(-1));
}
