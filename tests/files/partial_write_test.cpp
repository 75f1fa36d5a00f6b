// Writers that fail part-way, as on a full disk: the file-size limit lets
// the first byte through and refuses the rest.
#include "files/mask_file.h"
#include "files/rca_codec.h"
#include "files/square_codec.h"
#include "files/weight_profile_file.h"
#include "forms/canvas.h"
#include "video/frame_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs `write` with files limited to one byte, then lifts the limit.
bool underFullDisk(const std::function<bool()>& write) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool ok = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    return ok;
}

struct Writer {
    const char* name;
    bool keepsOldFile; // a whole file the user chose: replaced only when whole
    std::function<bool(const fs::path&)> write;
};

TEST(PartialWrite, TruncatedPictureOnAFullDiskAndEveryWriterReportsIt) {
    auto mask = std::make_unique<rca::MaskState>();
    const std::vector<Writer> writers = {
        {"rca table", true,
         [](const fs::path& f) { return rca::writeRcaFile(f, rca::RcaTable{}).empty(); }},
        {"png picture", true,
         [](const fs::path& f) { return rca::Canvas(64, 64).savePng(f.string()).empty(); }},
        {"square slot", false,
         [](const fs::path& f) { return rca::writeSquareFile(f, 20, rca::Line{}); }},
        {"mask file", false,
         [&mask](const fs::path& f) {
             return rca::writeMaskFile(f, *mask, rca::MaskExtents(20, 20)).empty();
         }},
        {"profile", false,
         [](const fs::path& f) { return rca::writeProfileFile(f.string(), {}, false); }},
        {"video frame", false,
         [](const fs::path& f) { return rca::writeWholeFile(f, std::vector<uint8_t>(500, 7)); }},
    };
    const fs::path dir = fs::temp_directory_path() / "rcalab-partial-write";
    fs::create_directories(dir);
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.name);
        fs::create_directory(dir / w.name);
        const fs::path file = dir / w.name / "file";
        const std::string old(3000, 'x');
        std::ofstream(file, std::ios::binary) << old;
        EXPECT_FALSE(underFullDisk([&] { return w.write(file); }));
        if (w.keepsOldFile) {
            EXPECT_EQ(contents(file), old);
            EXPECT_EQ(std::distance(fs::directory_iterator(dir / w.name), {}), 1)
                << "no temporary left";
        }
        EXPECT_TRUE(w.write(file)) << "writes once the disk has room again";
    }
    fs::remove_all(dir);
}

} // namespace
