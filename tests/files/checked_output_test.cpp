// Results streams that fail for real: a device that refuses every write, a
// file-size limit that lets only part of a flush through, a folder that is
// not there.
#include "io/checked_output.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct TempFolder {
    fs::path path = fs::temp_directory_path() / ("rcalab-checked-" + std::to_string(::getpid()));
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
};

TEST(CheckedOutput, ADeviceThatRefusesWritesFailsTheFlushAndNamesTheCause) {
    const int fd = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(fd, 0);
    rca::CheckedOutput out(fd, "standard output");
    out.stream() << "{\"a\":1}\n";
    EXPECT_FALSE(out.stream().flush());
    EXPECT_EQ(out.finish(), "writing standard output failed: No space left on device");
    ::close(fd);
}

// A full disk takes part of a flush: the file is cut back to the flush's
// start, so it ends in a whole line, and nothing more is written.
TEST(CheckedOutput, APartlyWrittenFlushIsTakenBackToTheLastWholeLine) {
    TempFolder dir;
    const fs::path file = dir.path / "lines.jsonl";
    const std::string line(59, 'x');
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 150; // two lines and a half
    setrlimit(RLIMIT_FSIZE, &tight);
    {
        auto out = rca::CheckedOutput::writing(file);
        ASSERT_FALSE(out->failed());
        for (int k = 0; k < 3; ++k)
            out->stream() << line << '\n' << std::flush;
        EXPECT_FALSE(out->stream());
        out->stream() << line << '\n' << std::flush;
        EXPECT_NE(out->finish().find("writing " + file.string() + " failed: File too large"),
                  std::string::npos);
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(contents(file), line + '\n' + line + '\n');
}

TEST(CheckedOutput, AReplacedFileChangesOnlyAtTheEndAndOnlyWhole) {
    TempFolder dir;
    const fs::path file = dir.path / "out.json";
    std::ofstream(file) << "old\n";
    auto out = rca::CheckedOutput::replacing(file);
    out->stream() << "new 1\n" << std::flush << "new 2";
    EXPECT_EQ(contents(file), "old\n") << "kept until the run ends";
    EXPECT_EQ(out->finish(), "");
    EXPECT_EQ(contents(file), "new 1\nnew 2");

    auto lost = rca::CheckedOutput::replacing(dir.path / "missing" / "out.json");
    lost->stream() << "x\n";
    EXPECT_NE(lost->finish().find("writing " + (dir.path / "missing/out.json").string() +
                                  " failed: the folder"),
              std::string::npos);
    auto unopened = rca::CheckedOutput::writing(dir.path / "missing" / "cases.jsonl");
    EXPECT_TRUE(unopened->failed());
    EXPECT_NE(unopened->problem().find("No such file or directory"), std::string::npos);
}

} // namespace
