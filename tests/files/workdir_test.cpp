// `rcalab-cli init-workdir`: every folder and the five square slots.
#include "files/workdir.h"
#include "files/workdir_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace filestest;

TEST(InitWorkdir, CreatesFoldersAndSlots) {
    TempWorkdir dir(false);
    ASSERT_EQ(rca::initWorkdir("w"), "");
    for (const char* f : {"CA", "MA", "examp", "IMPROVE", "data", "dataN", "LOG", "8r50", "video",
                          "video1_0", "video1_1", "video1_2", "videoDD3"})
        EXPECT_TRUE(fs::is_directory(fs::path("w") / f)) << f;
    for (const char* s : {"ca.dat", "ca2.dat", "ca3.dat", "ca4.dat", "ca5.dat"}) {
        auto bytes = readBytes(fs::path("w/CA") / s);
        ASSERT_EQ(bytes.size(), 104u) << s;
        EXPECT_EQ(bytes[0], 11);
        EXPECT_EQ(bytes[1] + bytes[2] + bytes[3], 0);
        EXPECT_EQ(bytes[4], rca::A);
        EXPECT_EQ(bytes[103], rca::A);
    }
    EXPECT_EQ(readBytes("w/CA/cawri.dat").size(), 1u);
    EXPECT_TRUE(fs::is_regular_file("w/MA/mafin.dat"));
    EXPECT_EQ(readBytes("w/MA/mafin.dat").size(), 0u);
}

TEST(InitWorkdir, KeepsExistingFilesAndListsOnlyWhatItMade) {
    TempWorkdir dir(false);
    fs::create_directories("w/CA");
    writeBytes("w/CA/ca2.dat", {5, 0, 0, 0});
    EXPECT_FALSE(rca::isWorkdir("w"));
    std::vector<std::string> made;
    ASSERT_EQ(rca::initWorkdir("w", &made), "");
    EXPECT_EQ(readBytes("w/CA/ca2.dat").size(), 4u);
    EXPECT_TRUE(rca::isWorkdir("w"));
    auto has = [&made](const std::string& m) {
        return std::find(made.begin(), made.end(), m) != made.end();
    };
    EXPECT_TRUE(has("MA/") && has("CA/ca.dat") && has("MA/mafin.dat") && has("data/dxx.dat"));
    EXPECT_FALSE(has("") || has("CA/") || has("CA/ca2.dat"));
    made.clear();
    ASSERT_EQ(rca::initWorkdir("w", &made), "");
    EXPECT_TRUE(made.empty());
    // A lost slot file is no longer a working folder.
    fs::remove("w/CA/ca5.dat");
    EXPECT_FALSE(rca::isWorkdir("w"));
}

TEST(InitWorkdir, ReportsAFolderItCannotMake) {
    TempWorkdir dir(false);
    writeBytes("blocked", {1});
    EXPECT_NE(rca::initWorkdir("blocked"), "");
    fs::create_directories("w");
    writeBytes("w/CA", {1});
    EXPECT_NE(rca::initWorkdir("w"), "");
}
