// 'Read mask' and 'Write mask' on real files, at the usual and the largest
// extents (the sanitizers catch any index past the mask or the buffer).
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

constexpr const char* maskFile = "MA/mafin.dat";

struct MaskFile : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();

    void setExtents(int rows, int cols) {
        m.squareRows = rows;
        m.squareCols = cols;
    }
    // Distinct non-zero values over the reach, so a shift shows.
    void fillMask(int reach, uint8_t seed) {
        for (int k = 0; k < reach; ++k)
            m.freezeMask[k] = static_cast<uint8_t>(1 + (k * 13 + seed) % 250);
    }
};

} // namespace

TEST_F(MaskFile, WriteClearsTheMaskAndReadRestoresItAtEverySize) {
    for (int side : {11, 51, 71, 131}) {
        SCOPED_TRACE(side);
        writeBytes(maskFile, {});
        setExtents(side, side);
        const int reach = 2 * side - 1;
        fillMask(maskEntries, static_cast<uint8_t>(side));
        const auto before = m.freezeMask;

        wb.run("Writemask1Click");
        const auto bytes = readBytes(maskFile);
        ASSERT_EQ(bytes.size(), static_cast<size_t>(side * side));
        for (int k = 0; k < reach; ++k)
            ASSERT_EQ(bytes[k], before[k]) << k;
        for (int k = 0; k < maskEntries; ++k)
            ASSERT_EQ(m.freezeMask[k], k < reach ? 0 : before[k]) << k;

        wb.run("Readmask1Click");
        EXPECT_EQ(m.freezeMask, before);
        EXPECT_TRUE(host.messages.empty());
    }
}

// Unequal extents reach rows + cols - 1 entries; an extent out of range is
// kept inside 0..131.
TEST_F(MaskFile, ExtentsBoundTheTransfer) {
    setExtents(3, 5);
    fillMask(maskEntries, 1);
    const auto before = m.freezeMask;
    wb.run("Writemask1Click");
    EXPECT_EQ(readBytes(maskFile).size(), 15u);
    EXPECT_EQ(m.freezeMask[6], 0);
    EXPECT_EQ(m.freezeMask[7], before[7]);

    setExtents(500, -4);
    wb.run("Writemask1Click"); // an empty square: nothing written, nothing cleared
    EXPECT_EQ(m.freezeMask[7], before[7]);
    EXPECT_EQ(readBytes(maskFile).size(), 15u);
    setExtents(500, 500);
    wb.run("Writemask1Click");
    EXPECT_EQ(readBytes(maskFile).size(), 131u * 131u);
}

TEST_F(MaskFile, ReadReportsAFileOfTheWrongSize) {
    struct Case {
        size_t fileBytes;
        const char* noticeHas;
    };
    const Case cases[] = {{200, "longer"}, {10, "short"}, {0, "short"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileBytes);
        host.messages.clear();
        setExtents(11, 11);
        std::vector<uint8_t> file(c.fileBytes);
        for (size_t k = 0; k < file.size(); ++k)
            file[k] = static_cast<uint8_t>(k % 7 + 1);
        m.maskTransferBuffer.fill(9);
        writeBytes(maskFile, file);

        wb.run("Readmask1Click");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find(c.noticeHas), std::string::npos) << host.messages[0];
        // Only the bytes the file held replace the buffer; the rest keep theirs.
        for (int k = 0; k < 21; ++k)
            EXPECT_EQ(m.freezeMask[k], static_cast<size_t>(k) < c.fileBytes ? k % 7 + 1 : 9);
        EXPECT_EQ(m.maskTransferBuffer[121], 9); // never past rows x cols
    }
}

TEST_F(MaskFile, WriteOverALongerFileKeepsItsTail) {
    setExtents(11, 11);
    writeBytes(maskFile, std::vector<uint8_t>(300, 5));
    fillMask(21, 0);
    const auto before = m.freezeMask;
    wb.run("Writemask1Click");
    const auto bytes = readBytes(maskFile);
    ASSERT_EQ(bytes.size(), 300u);
    EXPECT_EQ(bytes[0], before[0]);
    EXPECT_EQ(bytes[20], before[20]);
    EXPECT_EQ(bytes[121], 5);
}

// A missing file is reported; 'Write mask' still clears the mask and 'Read
// mask' still restores it from the buffer of the last transfer.
TEST_F(MaskFile, MissingFileIsReportedAndTheBufferServes) {
    setExtents(11, 11);
    fs::remove(maskFile);
    fillMask(21, 4);
    const auto before = m.freezeMask;
    wb.run("Writemask1Click");
    EXPECT_FALSE(fs::exists(maskFile)); // never created
    EXPECT_EQ(m.freezeMask[3], 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("missing"), std::string::npos);

    wb.run("Readmask1Click");
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(m.freezeMask, before);
}

TEST_F(MaskFile, DoFindRunsFromTheCentreOneStepAPress) {
    m.stepsPerPress = 6;
    wb.run("Dofind1Click");
    EXPECT_EQ(m.stepsPerPress, 1);
    EXPECT_EQ(wb.form1().Edit2.text(), "1");
    EXPECT_EQ(wb.form1().UpDown1.position(), 1);
    EXPECT_TRUE(wb.form1().Timer1.enabled());
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.bPositionCount, 1); // the centre point
}
