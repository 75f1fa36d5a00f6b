// `rcalab-cli init-workdir`: every folder and the five square slots.
#include "files/workdir.h"
#include "files/workdir_fixture.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

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

// Good files are the user's; a fixed file cut short (a full disk while it
// was made) is written again and listed apart.
TEST(InitWorkdir, KeepsGoodFilesRepairsShortOnesAndListsBoth) {
    TempWorkdir dir(false);
    fs::create_directories("w/CA");
    const auto mine = squareRecord(7, "ABBAC");
    writeBytes("w/CA/ca2.dat", mine);
    writeBytes("w/CA/ca3.dat", {5, 0, 0, 0});
    EXPECT_FALSE(rca::isWorkdir("w"));
    std::vector<std::string> made, repaired;
    ASSERT_EQ(rca::initWorkdir("w", &made, &repaired), "");
    EXPECT_EQ(readBytes("w/CA/ca2.dat"), mine);
    EXPECT_EQ(readBytes("w/CA/ca3.dat"), readBytes("w/CA/ca.dat"));
    EXPECT_EQ(repaired, std::vector<std::string>{"CA/ca3.dat"});
    EXPECT_TRUE(rca::isWorkdir("w"));
    auto has = [&made](const std::string& m) {
        return std::find(made.begin(), made.end(), m) != made.end();
    };
    EXPECT_TRUE(has("MA/") && has("CA/ca.dat") && has("MA/mafin.dat") && has("data/dxx.dat"));
    EXPECT_FALSE(has("") || has("CA/") || has("CA/ca2.dat") || has("CA/ca3.dat"));

    // Emptied by a full disk: the profile, a template, the points; the mask
    // file starts empty and stays as it is.
    for (const char* f : {"data/dxx.dat", "data/f_352_704.bmp", "8r50/8r.dat"})
        writeBytes(fs::path("w") / f, {});
    made.clear();
    repaired.clear();
    ASSERT_EQ(rca::initWorkdir("w", &made, &repaired), "");
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(repaired,
              (std::vector<std::string>{"data/dxx.dat", "data/f_352_704.bmp", "8r50/8r.dat"}));
    EXPECT_EQ(readBytes("w/data/dxx.dat").size(), 560u);
    EXPECT_EQ(readBytes("w/data/f_352_704.bmp").size(), 54u);
    repaired.clear();
    ASSERT_EQ(rca::initWorkdir("w", &made, &repaired), "");
    EXPECT_TRUE(made.empty() && repaired.empty());
    // A short file that a link leads to outside is not repaired through it.
    writeBytes("outside.dat", {1, 2});
    fs::remove("w/CA/ca4.dat");
    fs::create_symlink("../../outside.dat", "w/CA/ca4.dat");
    std::vector<std::string> leftAlone;
    ASSERT_EQ(rca::initWorkdir("w", &made, &repaired, &leftAlone), "");
    EXPECT_EQ(readBytes("outside.dat").size(), 2u);
    ASSERT_EQ(leftAlone.size(), 1u);
    EXPECT_NE(leftAlone[0].find("CA/ca4.dat is a link to"), std::string::npos) << leftAlone[0];
    EXPECT_TRUE(made.empty() && repaired.empty());
    // A lost slot file is no longer a working folder.
    fs::remove("w/CA/ca5.dat");
    EXPECT_FALSE(rca::isWorkdir("w"));
}

// A file the disk could not hold is not listed, not left half-written, and
// the reason names it; the next run, with room, makes it.
TEST(InitWorkdir, AFileTheDiskRefusesIsReportedAndMadeByTheNextRun) {
    TempWorkdir dir(false);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 200; // the square slots fit, the 560-byte profile does not
    setrlimit(RLIMIT_FSIZE, &tight);
    std::vector<std::string> made;
    const std::string error = rca::initWorkdir("w", &made);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(error, "writing w/data/dxx.dat failed: File too large");
    EXPECT_FALSE(fs::exists("w/data/dxx.dat"));
    EXPECT_EQ(std::count(made.begin(), made.end(), "data/dxx.dat"), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator("w/data"), {}), 0) << "nothing half made";
    made.clear();
    ASSERT_EQ(rca::initWorkdir("w", &made), "");
    EXPECT_EQ(made.front(), "data/dxx.dat");
    EXPECT_EQ(readBytes("w/data/dxx.dat").size(), 560u);
}

TEST(InitWorkdir, ReportsAFolderItCannotMake) {
    TempWorkdir dir(false);
    writeBytes("blocked", {1});
    EXPECT_NE(rca::initWorkdir("blocked"), "");
    fs::create_directories("w");
    writeBytes("w/CA", {1});
    EXPECT_NE(rca::initWorkdir("w"), "");
}
