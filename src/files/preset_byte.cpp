#include "files/preset_byte.h"

#include "io/file_problem.h"
#include "state/fixed_paths.h"

#include <array>
#include <fstream>

namespace rca {

namespace {

constexpr std::ios::openmode readWrite = std::ios::in | std::ios::out | std::ios::binary;

} // namespace

bool readPresetByte(const std::filesystem::path& file, SquareState& q) {
    std::fstream f(file, readWrite);
    if (!f.is_open()) return false;
    char byte = 0;
    if (!f.read(&byte, 1)) return false;
    q.squareField[0] = static_cast<uint8_t>(byte);
    return true;
}

std::string presetByteFailure(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) == 0)
        return "the file is empty";
    return openFailure(file, true);
}

bool writePresetByte(const std::filesystem::path& file, const SquareState& q) {
    std::fstream f(file, readWrite);
    if (!f.is_open()) return false;
    f.seekp(0);
    f.put(static_cast<char>(q.squareField[0]));
    f.flush();
    return f.good();
}

std::optional<std::string> preset70File(int index) {
    const auto& files = paths::preset70;
    if (index < 0 || index >= static_cast<int>(files.size())) return std::nullopt;
    return files[index];
}

} // namespace rca
