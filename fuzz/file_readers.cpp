// Every reader of outside bytes on one input: the first byte picks the
// reader (modulo 9) and, from 192 up, puts a pipe, a folder or a link to
// nothing at the file's name instead of a file; the second byte is an extent
// or record, the rest is the file. No reader may wait on the pipe.
#include "analysis/points_file.h"
#include "files/frame_bmp.h"
#include "files/mask_file.h"
#include "files/picture_import.h"
#include "files/preset_byte.h"
#include "files/rca_codec.h"
#include "files/square_codec.h"
#include "files/weight_profile_file.h"
#include "state/engine_state.h"
#include "state/setup_state.h"
#include "state/square_state.h"
#include "video/frame_template.h"
#include "video/strip_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::filesystem::path scratchFile() {
    static const auto path = std::filesystem::temp_directory_path() /
                             ("rcalab-fuzz-" + std::to_string(::getpid()) + ".dat");
    return path;
}

// What stands at `file`: the bytes as a file, or something that is not one.
void makeFile(const std::filesystem::path& file, uint8_t kind, const uint8_t* data, size_t size) {
    std::error_code ec;
    std::filesystem::remove_all(file, ec);
    switch (kind < 192 ? 0 : 1 + (kind - 192) / 22) {
    case 0:
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        break;
    case 1:
        ::mkfifo(file.c_str(), 0600);
        break;
    case 2:
        std::filesystem::create_directory(file, ec);
        break;
    default:
        std::filesystem::create_symlink(file.string() + ".none", file, ec);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t pick = data[0] % 9, arg = data[1];
    const auto file = scratchFile();
    makeFile(file, data[0], data + 2, size - 2);
    switch (pick) {
    case 0: {
        int32_t length = 0;
        rca::Line line{};
        rca::readSquareFile(file, length, line);
        break;
    }
    case 1: {
        auto table = std::make_unique<rca::RcaTable>();
        rca::readRcaFile(file, *table);
        break;
    }
    case 2: {
        auto mask = std::make_unique<rca::MaskState>();
        rca::readMaskFile(file, *mask, rca::MaskExtents(arg, 255 - arg));
        break;
    }
    case 3: {
        rca::ProfileValues values{};
        rca::readProfileFile(file.string(), values);
        break;
    }
    case 4: {
        auto points = std::make_unique<rca::SetupState>();
        rca::readPointsRecord(file, static_cast<int8_t>(arg), *points);
        break;
    }
    case 5: {
        auto square = std::make_unique<rca::SquareState>();
        rca::readPresetByte(file, *square);
        break;
    }
    case 6: {
        const auto& size = rca::frameSizes()[arg % rca::frameSizes().size()];
        std::vector<uint8_t> buffer(rca::bmpHeaderBytes + arg % 16);
        rca::loadTemplate(file, size.width, size.height, buffer);
        break;
    }
    case 7: {
        rca::StripFile strip;
        strip.open(file);
        break;
    }
    default:
        rca::importPicture(file, 1 + arg * 4, 1 + (255 - arg) * 3, [](int, int) {});
        break;
    }
    return 0;
}
