// Where a write lands once links are followed: inside the folder or out.
#include "io/folder_boundary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Scratch {
    fs::path root;
    Scratch() {
        char name[] = "/tmp/rcalab-boundary-XXXXXX";
        root = mkdtemp(name);
        fs::create_directories(root / "wd" / "CA");
        fs::create_directories(root / "wd" / "MA");
        std::ofstream(root / "victim") << "precious";
        std::ofstream(root / "wd" / "MA" / "mafin.dat") << "x";
    }
    ~Scratch() { fs::remove_all(root); }
};

TEST(FolderBoundary, LinksAreFollowedToTheirLastTarget) {
    Scratch s;
    const fs::path wd = s.root / "wd";
    fs::create_directory_symlink("../MA", wd / "CA" / "up");
    fs::create_symlink("../../victim", wd / "CA" / "out");
    fs::create_symlink("../MA/mafin.dat", wd / "CA" / "in");
    fs::create_symlink("../../newfile", wd / "CA" / "dangling");
    fs::create_symlink("in-chain", wd / "CA" / "chain");
    fs::create_symlink("out", wd / "CA" / "in-chain");
    fs::create_symlink("loop", wd / "CA" / "loop");
    fs::create_directory_symlink(s.root, wd / "root");
    struct Case {
        fs::path path;
        bool inside, dangling;
    } cases[] = {
        {wd / "CA" / "ca5.dat", true, false},   // a plain name not there yet
        {wd / "MA" / "mafin.dat", true, false}, // a plain file
        {wd / "CA" / "in", true, false},        // a link that stays inside
        {wd / "CA" / "up" / "mafin.dat", true, false},
        {wd / "CA" / "out", false, false},      // a planted link
        {wd / "CA" / "chain", false, false},    // two links, the second leaves
        {wd / "CA" / "dangling", false, true},  // would create a file outside
        {wd / "CA" / "loop", false, false},     // never resolves
        {wd / "root" / "victim", false, false}, // a linked folder on the way
        {wd / ".." / "victim", false, false},   // a name that climbs out
        {wd, true, false},
    };
    for (const Case& c : cases) {
        const rca::PathLead lead = rca::leadOf(wd, c.path);
        EXPECT_EQ(lead.inside, c.inside) << c.path;
        EXPECT_EQ(lead.dangling, c.dangling) << c.path;
        EXPECT_EQ(rca::outsideWrite(wd, c.path).empty(), c.inside) << c.path;
    }
    EXPECT_EQ(rca::leadOf(wd, wd / "CA" / "out").target, s.root / "victim");
}

TEST(FolderBoundary, TheNoticeNamesTheLinkAndWhereItPoints) {
    Scratch s;
    const fs::path wd = s.root / "wd";
    fs::create_symlink("../../victim", wd / "CA" / "ca5.dat");
    EXPECT_EQ(rca::outsideWrite(wd, wd / "CA" / "ca5.dat"), "CA/ca5.dat is a link to " +
                                                                (s.root / "victim").string() +
                                                                ", outside the working folder");
}

TEST(FolderBoundary, AFolderGivenThroughALinkStillHoldsItsFiles) {
    Scratch s;
    fs::create_directory_symlink(s.root / "wd", s.root / "alias");
    EXPECT_TRUE(rca::leadOf(s.root / "alias", s.root / "alias" / "MA" / "mafin.dat").inside);
}

} // namespace
