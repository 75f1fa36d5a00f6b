#include "files/workdir.h"

#include "files/frame_bmp.h"
#include "files/weight_profile_file.h"
#include "state/fixed_paths.h"

#include <array>
#include <fstream>

namespace rca {

namespace {

// A square file: length 11 little-endian, then 100 cells of A.
void writeDefaultSquare(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    const unsigned char length[4] = {11, 0, 0, 0};
    out.write(reinterpret_cast<const char*>(length), 4);
    for (int i = 0; i < 100; ++i)
        out.put(2);
}

// The one-byte file that Button53 writes into (it never creates it).
void writeDefaultByte(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    out.put(2);
}

} // namespace

std::string initWorkdir(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return "cannot create " + dir.string() + ": " + ec.message();
    for (const char* f : paths::folders) {
        std::filesystem::create_directories(dir / f, ec);
        if (ec) return "cannot create " + (dir / f).string() + ": " + ec.message();
    }
    for (const char* slot : paths::squareSlots) {
        auto file = dir / slot;
        if (std::filesystem::exists(file)) continue;
        writeDefaultSquare(file);
        if (!std::filesystem::exists(file)) return "cannot create " + file.string();
    }
    const auto byteFile = dir / paths::squareByte;
    if (!std::filesystem::exists(byteFile)) {
        writeDefaultByte(byteFile);
        if (!std::filesystem::exists(byteFile)) return "cannot create " + byteFile.string();
    }
    const auto profiles = dir / paths::weightProfiles;
    if (!std::filesystem::exists(profiles)) {
        ProfileValues start;
        start.fill(0.21);
        if (!writeProfileFile(profiles.string(), start, true))
            return "cannot create " + profiles.string();
    }
    // Frame templates: a header of the right size is all a template needs.
    for (const FrameSize& size : frameSizes()) {
        const auto file = dir / size.templatePath;
        if (std::filesystem::exists(file)) continue;
        const auto header = bmpHeader(size.width, size.height);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(header.data()), header.size());
        if (!std::filesystem::exists(file)) return "cannot create " + file.string();
    }
    // The mask file starts empty: 'Write mask' never creates it.
    const auto maskFile = dir / paths::freezeMaskFile;
    if (!std::filesystem::exists(maskFile)) {
        std::ofstream{maskFile, std::ios::binary};
        if (!std::filesystem::exists(maskFile)) return "cannot create " + maskFile.string();
    }
    // Two sample records of eight points each, inside a 51 x 51 square.
    const auto points = dir / fixedPath(paths::pointsFile);
    if (!std::filesystem::exists(points)) {
        std::ofstream(points) << "0  10 10  10 12  12 10  12 12  30 30  30 32  32 30  32 32\n"
                              << "1  20 5  21 5  22 5  23 5  24 5  25 5  26 5  27 5\n";
        if (!std::filesystem::exists(points)) return "cannot create " + points.string();
    }
    return "";
}

} // namespace rca
