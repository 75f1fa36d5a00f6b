// Reading a record of the points file: later records, short files, bad
// coordinates and bad record numbers.
#include "analysis/points_file.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace rca;
using namespace filestest;

namespace {

// Integers first .. first + count - 1, one blank or line end between them.
std::string integers(int first, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += std::to_string(first + i) + (i % 5 == 4 ? "\n" : "\t ");
    return out;
}

constexpr int16_t untouched = -7;

struct PointsCase {
    const char* name;
    std::string text;
    int32_t record;
    std::vector<int16_t> expected; // x0 y0 x1 y1 ...; untouched where nothing was read
    int coordinates, rejected;
};

const PointsCase pointsCases[] = {
    {"record 0",
     integers(1, 17),
     0,
     {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17},
     16,
     0},
    // Integers 35 .. 51 (from 1): 35 is ignored.
    {"a later record",
     integers(1, 60),
     2,
     {36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51},
     16,
     0},
    {"a short file",
     integers(1, 23),
     1,
     {19, 20, 21, 22, 23, untouched, untouched, untouched, untouched, untouched, untouched,
      untouched, untouched, untouched, untouched, untouched},
     5,
     0},
    {"no such record", integers(1, 34), 2, std::vector<int16_t>(16, untouched), 0, 0},
    {"non-numeric text ends the file",
     "0 1 2 3 4x 5 6 7 8 9 10 11 12 13 14 15 16",
     0,
     {1, 2, 3, 4, untouched, untouched, untouched, untouched, untouched, untouched, untouched,
      untouched, untouched, untouched, untouched, untouched},
     4,
     0},
    {"coordinates outside 16 bits",
     "9 32767 -32768 32768 -32769 99999999999999999999 +6 7 8 9 "
     "10 11 12 13 14 15 16",
     0,
     {32767, -32768, untouched, untouched, untouched, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
     13,
     3},
    {"a number longer than any word read is one number",
     "0 1 " + std::string(150, '7') + " 3 4 5 6 7 8 9 10 11 12 13 14 15 16",
     0,
     {1, untouched, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
     15,
     1},
    {"an endless word ends the file",
     "0 1 2 " + std::string(100, '5') + std::string(100, 'x') + " 4 5",
     0,
     {1, 2, untouched, untouched, untouched, untouched, untouched, untouched, untouched, untouched,
      untouched, untouched, untouched, untouched, untouched, untouched},
     2,
     1},
    {"a negative record", integers(1, 40), -1, std::vector<int16_t>(16, untouched), 0, 0},
};

TEST(PointsFile, ReadsOneRecordAndLeavesWhatItCannotRead) {
    TempWorkdir dir;
    for (const PointsCase& c : pointsCases) {
        SCOPED_TRACE(c.name);
        {
            std::ofstream out("8r50/8r.dat");
            out << c.text;
        }
        SetupState s;
        s.bPositions.fill(untouched);
        s.bPositionsY.fill(untouched);
        const PointsRead got = readPointsRecord("8r50/8r.dat", c.record, s);
        EXPECT_EQ(got.opened, c.record >= 0);
        EXPECT_EQ(got.negativeRecord, c.record < 0);
        EXPECT_EQ(got.coordinates, c.coordinates);
        EXPECT_EQ(got.rejected, c.rejected);
        EXPECT_EQ(got.complete(), c.coordinates + c.rejected == 16);
        for (int k = 0; k < recordPoints; ++k) {
            EXPECT_EQ(s.bPositions[k], c.expected[2 * k]) << "x of point " << k;
            EXPECT_EQ(s.bPositionsY[k], c.expected[2 * k + 1]) << "y of point " << k;
        }
        EXPECT_EQ(s.bPositions[recordPoints], untouched);
    }
}

TEST(PointsFile, AMissingFileOrAHugeRecordNumberReadsNothing) {
    TempWorkdir dir;
    fs::remove("8r50/8r.dat"); // init-workdir writes a sample
    SetupState s;
    s.bPositions.fill(untouched);
    EXPECT_FALSE(readPointsRecord("8r50/8r.dat", 0, s).opened);
    {
        std::ofstream out("8r50/8r.dat");
        out << integers(1, 40);
    }
    // 17 x 2^31 - 17 integers: the offset must not wrap to a small one.
    const PointsRead got = readPointsRecord("8r50/8r.dat", 2147483647, s);
    EXPECT_TRUE(got.opened);
    EXPECT_EQ(got.coordinates, 0);
    EXPECT_EQ(s.bPositions[0], untouched);
}

TEST(PointsFile, CountsPointsOutsideTheSquare) {
    SetupState s;
    const int16_t xs[] = {0, 9, 10, -1, 3, 0};
    const int16_t ys[] = {0, 4, 0, 2, 5, 32767};
    for (int k = 0; k < 6; ++k) {
        s.bPositions[k] = xs[k];
        s.bPositionsY[k] = ys[k];
    }
    EXPECT_EQ(pointsOutsideSquare(s, 6, 10, 5), 4); // x 10, x -1, y 5, y 32767
    EXPECT_EQ(pointsOutsideSquare(s, 2, 10, 5), 0);
    EXPECT_EQ(pointsOutsideSquare(s, 6, 0, 0), 6);
}

} // namespace
