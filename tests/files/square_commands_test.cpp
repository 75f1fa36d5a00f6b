// The slot commands of the File menu through the workbench.
#include "app/workbench.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

using namespace rca;
using namespace filestest;

namespace {

struct SquareCommands : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();
    std::string print(const std::string& name) { return wb.fields().print(name); }
    void setLines(const std::string& one, const std::string& two) {
        m.lineLength = static_cast<int32_t>(one.size());
        wb.fields().set("lineI", one);
        wb.fields().set("lineII", two);
    }
};

} // namespace

TEST_F(SquareCommands, WriteThenReadRestoresTheLineAndStartsATrial) {
    setLines("ABBAC", "CCCCC");
    m.lineI[50] = B; // every cell is stored, not only the line's
    wb.run("WriteCA1Click");
    setLines("AAAAAAAA", "BBBBBBBB");
    m.lineI[50] = A;
    m.stepTime = 33;
    m.pressCount = 4;
    m.lineIDone = 2;
    m.doneTimeI = 12;
    m.cellClockI[1] = 6;
    m.cellDriftI[1] = 3;
    m.pictureLeft = 300;
    wb.run("ReadCA1Click");
    EXPECT_EQ(m.lineLength, 5);
    EXPECT_EQ(print("lineI"), "ABBAC");
    EXPECT_EQ(m.lineI[50], B);
    // C at cell 4 leaves line II's B there.
    EXPECT_EQ(print("lineII"), "BAABB");
    EXPECT_EQ(m.stepTime, 0);
    EXPECT_EQ(m.pressCount, -17);
    EXPECT_EQ(m.lineIDone, 0);
    EXPECT_EQ(m.doneTimeI, 0);
    EXPECT_EQ(m.cellClockI[1], 6); // kept by 'Read square'
    EXPECT_EQ(m.cellDriftI[1], 0);
    EXPECT_EQ(m.pictureLeft, 0);
    EXPECT_EQ(wb.form1().Edit1.text(), "11"); // the field is not updated
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SquareCommands, Slot5ClearsTheClocksAndEndFlags) {
    setLines("BAA", "ABB");
    wb.run("Wsq51Click");
    m.cellClockI[0] = 4;
    m.cellClockII[2] = 8;
    m.endLineITaken = true;
    wb.form1().Timer1.setEnabled(true);
    m.stepsPerPress = 7;
    wb.run("Rsq51Click");
    EXPECT_EQ(m.cellClockI[0], 0);
    EXPECT_EQ(m.cellClockII[2], 0);
    EXPECT_FALSE(m.endLineITaken);
    EXPECT_FALSE(wb.form1().Timer1.isEnabled()); // the 'Clear' action
    EXPECT_EQ(m.stepsPerPress, 7);               // 'MAIN' is not on '3 x'

    wb.form1().RadioGroup7.setItemIndex(0);
    wb.run("Rsq51Click");
    EXPECT_EQ(m.stepsPerPress, 1);
}

TEST_F(SquareCommands, Slot2ReadsOnlyAndShowsTheLength) {
    setLines("ABABABA", "CCCCCCC");
    wb.run("Wsq21Click");
    setLines("AAA", "CCC");
    m.stepTime = 9;
    wb.run("sq21Click");
    EXPECT_EQ(m.lineLength, 7);
    EXPECT_EQ(print("lineI"), "ABABABA");
    EXPECT_EQ(print("lineII"), "CCCCCCC"); // no mirror
    EXPECT_EQ(m.stepTime, 9);
    EXPECT_EQ(m.squareRows, 7);
    EXPECT_EQ(m.squareCols, 7);
    EXPECT_EQ(wb.form1().Edit1.text(), "7");
}

TEST_F(SquareCommands, Slots3And4ClearFirst) {
    setLines("BBA", "AAB");
    wb.run("Wsq31Click");
    wb.run("Wsq41Click");
    for (const char* read : {"Rsq31Click", "sq41Click"}) {
        wb.form1().Timer1.setEnabled(true);
        setLines("AAAA", "CCCC");
        wb.run(read);
        EXPECT_EQ(print("lineI"), "BBA") << read;
        EXPECT_EQ(print("lineII"), "AAB") << read;
        EXPECT_FALSE(wb.form1().Timer1.isEnabled()) << read;
    }
}

TEST_F(SquareCommands, MissingFolderIsReportedAndChangesNoLine) {
    fs::remove_all("CA");
    setLines("ABAB", "BABA");
    m.stepTime = 5;
    wb.run("WriteCA1Click");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("CA/ca.dat"), std::string::npos);
    EXPECT_FALSE(fs::exists("CA"));

    wb.run("ReadCA1Click");
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].find("CA/ca.dat"), std::string::npos);
    EXPECT_EQ(m.lineLength, 4);
    EXPECT_EQ(print("lineI"), "ABAB");
    EXPECT_EQ(m.stepTime, 0); // the resets still happen
}

TEST_F(SquareCommands, ShortFileFillsWhatItHoldsAndSaysSo) {
    writeBytes("CA/ca3.dat", {6, 0, 0, 0, B, B});
    setLines("AAAAAAAA", "BBBBBBBB");
    wb.run("Rsq31Click");
    EXPECT_EQ(m.lineLength, 6);
    EXPECT_EQ(print("lineI"), "BBAAAA");
    EXPECT_EQ(print("lineII"), "AABBBB");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("CA/ca3.dat"), std::string::npos);
}

TEST_F(SquareCommands, LengthOutsideTheLineStaysInside) {
    writeBytes("CA/ca4.dat", squareRecord(5000, "BA"));
    wb.run("sq41Click");
    EXPECT_EQ(m.lineLength, 100);
    writeBytes("CA/ca2.dat", squareRecord(-7, "BA"));
    wb.run("sq21Click");
    EXPECT_EQ(m.lineLength, 0);
    EXPECT_EQ(m.squareRows, 0);
    EXPECT_EQ(wb.form1().Edit1.text(), "0");
}

TEST_F(SquareCommands, BuiltInLine) {
    setLines("CCCCCCCCCCCC", "CCCCCCCCCCCC");
    wb.run("N159101Click");
    EXPECT_EQ(m.lineLength, 10);
    EXPECT_EQ(m.squareRows, 10);
    EXPECT_EQ(wb.form1().Edit1.text(), "10");
    EXPECT_EQ(print("lineI"), "AAABBAAAAB");
    EXPECT_EQ(print("lineII"), "BBBAABBBBA");
    EXPECT_EQ(m.stepTime, 0);
}

TEST_F(SquareCommands, FirstFieldByteToCawri) {
    m.squareField[0] = B;
    fs::remove("CA/cawri.dat");
    host.messages.clear();
    wb.run("Button53Click");
    ASSERT_EQ(host.messages.size(), 1u); // the file does not exist
    EXPECT_FALSE(fs::exists("CA/cawri.dat"));
    writeBytes("CA/cawri.dat", {9, 9});
    wb.run("Button53Click");
    EXPECT_EQ(readBytes("CA/cawri.dat"), (std::vector<uint8_t>{1, 9}));
}

TEST_F(SquareCommands, HiddenButtonsReachTheReaders) {
    setLines("BAB", "ABA");
    wb.run("WriteCA1Click");
    wb.run("Wsq21Click");
    setLines("AAAA", "BBBB");
    wb.form1().Button22.userClick();
    EXPECT_EQ(print("lineI"), "BAB");
    setLines("AAAA", "BBBB");
    wb.form1().Button25.userClick();
    EXPECT_EQ(print("lineI"), "BAB");
}
