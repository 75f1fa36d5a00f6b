// The RCA table items of the File menu on real files.
#include "app/workbench.h"
#include "files/rca_codec.h"
#include "files/workdir_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace rca;
using namespace filestest;

namespace {

// Distinct bytes so that a shifted or swapped plane shows.
std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
    std::vector<uint8_t> out(size);
    for (size_t k = 0; k < size; ++k)
        out[k] = static_cast<uint8_t>((k * 7 + seed) % 251);
    return out;
}

std::vector<uint8_t> asVector(const RcaTable& t) {
    return {t.begin(), t.end()};
}

struct RcaFiles : ::testing::Test {
    TempWorkdir dir;
    RecordingHost host;
    Workbench wb{&host};
    Model& m = wb.model();

    void fillTable(uint8_t seed) {
        const auto p = pattern(rcaTableBytes, seed);
        std::copy(p.begin(), p.end(), m.rcaTable.begin());
    }
    bool leftoverTemporary() const {
        for (const auto& e : fs::recursive_directory_iterator(dir.path()))
            if (e.path().extension() == ".rcalab-tmp") return true;
        return false;
    }
};

} // namespace

TEST_F(RcaFiles, WriteThenReadRestoresBothPlanesInTableOrder) {
    fillTable(3);
    m.rcaTable[rcaPlane + rcaIndex(1, 2, 3, 4)] = 1;
    m.rcaTable[rcaIndex(1, 2, 3, 4)] = 0;
    const RcaTable written = m.rcaTable;
    host.answers = {"t.dat", "t.dat"};
    wb.run("WriteRCA1Click");
    const auto bytes = readBytes("t.dat");
    EXPECT_EQ(bytes, asVector(written)); // no header: entry k is byte k
    EXPECT_EQ(bytes[1125 + 225 + 90 + 27 + 4], 1);
    EXPECT_EQ(bytes[225 + 90 + 27 + 4], 0);

    fillTable(90);
    wb.run("ReadRCA1Click");
    EXPECT_EQ(m.rcaTable, written);
    EXPECT_EQ(m.rcaFileName, "t.dat");
    EXPECT_EQ(host.filters, (std::vector<std::string>{"*.dat|", "RCA (*.dat)|*.dat"}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(leftoverTemporary());
}

// A read fills only the bytes the file holds and reports anything less than
// a whole table; only 'Read RCA' sets the border to 'Frozen A'.
TEST_F(RcaFiles, ReadsFillOnlyWhatTheFileHolds) {
    struct Case {
        const char* command;
        long fileBytes; // -1: no file
        bool reported;
    };
    const Case cases[] = {
        {"ReadRCA1Click", 3000, false},   {"ReadRCA1Click", 1125, true},
        {"ReadRCA1Click", -1, true},      {"Readrandom1Click", 3000, false},
        {"Readrandom1Click", 1125, true}, {"Readrandom1Click", -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.fileBytes));
        const bool chosen = std::string(c.command) == "ReadRCA1Click";
        const fs::path file = chosen ? "chosen.dat" : "examp/Exr.dat";
        fs::remove(file);
        const auto content = pattern(c.fileBytes < 0 ? 0 : c.fileBytes, 11);
        if (c.fileBytes >= 0) writeBytes(file, content);
        fillTable(200);
        auto expected = asVector(m.rcaTable);
        std::copy_n(content.begin(), std::min<size_t>(content.size(), rcaTableBytes),
                    expected.begin());
        wb.form1().RadioGroup2.setItemIndex(1);
        host.messages.clear();
        if (chosen) host.answers = {file.string()};

        wb.run(c.command);
        EXPECT_EQ(asVector(m.rcaTable), expected);
        EXPECT_EQ(host.messages.size(), c.reported ? 1u : 0u);
        EXPECT_EQ(m.borderMode, chosen ? 0 : 1);
        EXPECT_EQ(wb.form1().RadioGroup2.itemIndex(), chosen ? 0 : 1);
    }
}

TEST_F(RcaFiles, WritesReplaceTheWholeFileOrReportAndLeaveIt) {
    struct Case {
        const char* command;
        const char* target;
        long oldBytes; // -1: no file; -2: a folder of that name
        bool written;
    };
    const Case cases[] = {
        {"WriteRCA1Click", "long.dat", 5000, true},
        {"WriteRCA1Click", "new.dat", -1, true},
        {"Writerandom1Click", "examp/Exr.dat", 100, true},
        {"WriteRCA1Click", "nofolder/x.dat", -1, false},
        {"WriteRCA1Click", "adir.dat", -2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const auto old = pattern(c.oldBytes < 0 ? 0 : c.oldBytes, 5);
        if (c.oldBytes >= 0) writeBytes(c.target, old);
        if (c.oldBytes == -2) fs::create_directory(c.target);
        fillTable(42);
        host.messages.clear();
        host.answers = {c.target};

        wb.run(c.command);
        if (c.written) {
            EXPECT_EQ(readBytes(c.target), asVector(m.rcaTable));
            EXPECT_TRUE(host.messages.empty());
        } else {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_NE(host.messages[0].find(c.target), std::string::npos);
            EXPECT_EQ(fs::exists(c.target), c.oldBytes == -2);
        }
        EXPECT_FALSE(leftoverTemporary());
    }
    fs::remove_all("examp");
    host.messages.clear();
    wb.run("Writerandom1Click");
    EXPECT_EQ(host.messages.size(), 1u); // the missing folder is not made
    EXPECT_FALSE(fs::exists("examp"));
}

TEST_F(RcaFiles, CancelledDialogsChangeNothing) {
    writeBytes("t.dat", pattern(rcaTableBytes, 1));
    fillTable(9);
    const RcaTable before = m.rcaTable;
    m.rcaFileName = "earlier.dat";
    wb.form1().RadioGroup2.setItemIndex(1);
    for (const char* command : {"ReadRCA1Click", "WriteRCA1Click"}) {
        host.answers = {std::nullopt};
        wb.run(command);
    }
    EXPECT_EQ(m.rcaTable, before);
    EXPECT_EQ(m.rcaFileName, "earlier.dat");
    EXPECT_EQ(m.borderMode, 1);
    EXPECT_EQ(wb.form1().RadioGroup2.itemIndex(), 1);
    EXPECT_EQ(readBytes("t.dat"), pattern(rcaTableBytes, 1));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RcaFiles, CircleStillActsAfterReadRca) {
    wb.form1().RadioGroup2.setItemIndex(1); // as start-up leaves it
    host.answers = {"missing.dat"};
    wb.run("ReadRCA1Click");
    EXPECT_EQ(m.borderMode, 0);
    wb.form1().RadioGroup2.userSelect(1);
    EXPECT_EQ(m.borderMode, 1);

    // A border set behind the control's back is put right as well.
    wb.form1().RadioGroup2.setItemIndex(0);
    m.borderMode = 1;
    host.answers = {"missing.dat"};
    wb.run("ReadRCA1Click");
    EXPECT_EQ(m.borderMode, 0);
}
