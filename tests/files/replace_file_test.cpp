// Whole-file replacement against what a folder may hold besides plain
// files: planted and followed links, hard links, pipes, long names, folders
// the user cannot write to.
#include "app/workbench.h"
#include "files/workdir_fixture.h"
#include "io/file_problem.h"
#include "io/replace_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace filestest;

namespace {

const std::string fresh = "new bytes";

std::string text(const fs::path& file) {
    const auto bytes = readBytes(file);
    return {bytes.begin(), bytes.end()};
}

void put(const fs::path& file, const std::string& s) {
    writeBytes(file, {s.begin(), s.end()});
}

std::string replace(const fs::path& file) {
    return rca::replaceFile(file, fresh.data(), fresh.size());
}

bool temporaryLeft(const fs::path& dir) {
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".rcalab-tmp" && !fs::is_symlink(e.path())) return true;
    return false;
}

// Runs `check` as a user without root's power over permissions (in a child
// that drops to "nobody" when the tests run as root); its failures fail the
// test through the child's exit code.
void asOrdinaryUser(const fs::path& dir, const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    constexpr uid_t nobody = 65534;
    if (::lchown(dir.c_str(), nobody, nobody) != 0) FAIL() << "chown " << dir;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (::lchown(e.path().c_str(), nobody, nobody) != 0) FAIL() << "chown " << e.path();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(nobody) == 0 && ::setuid(nobody) == 0 && check();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace

TEST(ReplaceFile, LinksAreFollowedToTheirFileAndNeverPlanted) {
    TempWorkdir dir;
    fs::create_directories("outside");
    put("outside/victim", "victim");
    put("outside/shared.dat", "shared");
    fs::create_directory_symlink("outside", "linked");

    // A link planted at the old temporary name is never written through.
    fs::create_symlink("outside/victim", "t.dat.rcalab-tmp");
    EXPECT_EQ(replace("t.dat"), "");
    EXPECT_EQ(text("outside/victim"), "victim");
    EXPECT_FALSE(fs::is_symlink("t.dat"));
    EXPECT_EQ(text("t.dat"), fresh);

    // A linked target is updated through the link, which stays a link.
    fs::create_symlink("../outside/shared.dat", "examp/Exr.dat");
    EXPECT_EQ(replace("examp/Exr.dat"), "");
    EXPECT_TRUE(fs::is_symlink("examp/Exr.dat"));
    EXPECT_EQ(text("outside/shared.dat"), fresh);

    // A dangling link names the file to create; a loop of links is refused.
    fs::create_symlink("outside/made", "dangling");
    EXPECT_EQ(replace("dangling"), "");
    EXPECT_EQ(text("outside/made"), fresh);
    fs::create_symlink("loop2", "loop1");
    fs::create_symlink("loop1", "loop2");
    EXPECT_NE(replace("loop1"), "");

    EXPECT_FALSE(temporaryLeft(dir.path()));
    EXPECT_FALSE(temporaryLeft("outside"));
}

TEST(ReplaceFile, FilesWhoseNameARenameWouldChangeAreWrittenInPlaceOrLeftAlone) {
    TempWorkdir dir;
    // A hard link keeps both names on one file.
    put("a.dat", "old bytes, longer than the new ones");
    fs::create_hard_link("a.dat", "b.dat");
    EXPECT_EQ(replace("a.dat"), "");
    EXPECT_EQ(text("b.dat"), fresh);
    EXPECT_EQ(fs::hard_link_count("a.dat"), 2u);

    // A pipe is neither replaced nor opened (which would wait for a reader).
    ASSERT_EQ(::mkfifo("pipe", 0644), 0);
    EXPECT_NE(replace("pipe").find("not a regular file"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo("pipe"));

    // The longest name a folder holds still saves: the temporary is short.
    const std::string longName(250, 'n');
    EXPECT_EQ(replace(longName), "");
    EXPECT_EQ(text(longName), fresh);

    EXPECT_NE(replace("nofolder/x.dat").find("nofolder is missing"), std::string::npos);
    EXPECT_FALSE(temporaryLeft(dir.path()));
}

TEST(ReplaceFile, PermissionsAreKeptAndRefusalsNameTheirCause) {
    TempWorkdir dir;
    fs::create_directory("locked");
    put("locked/open.dat", "old");
    put("locked/fixed.dat", "old");
    put("kept.dat", "old");
    fs::permissions("kept.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(replace("kept.dat"), "");
    EXPECT_EQ(fs::status("kept.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::permissions("locked/fixed.dat", fs::perms::owner_read);
    asOrdinaryUser(dir.path(), [] {
        fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
        // A writable file in a folder that is not: written in place.
        const bool saved = replace("locked/open.dat").empty() && text("locked/open.dat") == fresh;
        // A write-protected file: refused, kept, and a reader that opens
        // for writing too says why.
        const bool refused =
            replace("locked/fixed.dat").find("write-protected") != std::string::npos &&
            text("locked/fixed.dat") == "old" &&
            rca::openFailure("locked/fixed.dat", true).find("write-protected") != std::string::npos;
        const bool noNewFile =
            replace("locked/new.dat").find("Permission denied") != std::string::npos;
        fs::permissions("locked", fs::perms::owner_all);
        return saved && refused && noNewFile;
    });
}
