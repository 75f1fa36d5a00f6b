#include "files/preset_byte.h"

#include "io/file_problem.h"
#include "io/regular_file.h"
#include "state/fixed_paths.h"

namespace rca {

bool readPresetByte(const std::filesystem::path& file, SquareState& q) {
    uint8_t byte = 0;
    if (readFront(file, &byte, 1, RegularFile::Access::ReadWrite).bytes != 1) return false;
    q.squareField[0] = byte;
    return true;
}

std::string presetByteFailure(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) == 0)
        return "the file is empty";
    return openFailure(file, true);
}

bool writePresetByte(const std::filesystem::path& file, const SquareState& q) {
    RegularFile f(file, RegularFile::Access::ReadWrite);
    return f.writeAt(0, q.squareField.data(), 1) && f.close();
}

std::optional<std::string> preset70File(int index) {
    const auto& files = paths::preset70;
    if (index < 0 || index >= static_cast<int>(files.size())) return std::nullopt;
    return files[index];
}

} // namespace rca
