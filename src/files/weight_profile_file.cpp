#include "files/weight_profile_file.h"

#include <bit>
#include <cstdint>
#include <fstream>

namespace rca {

ProfileFileRead readProfileFile(const std::string& path, ProfileValues& values) {
    ProfileFileRead r;
    std::ifstream in(path, std::ios::binary);
    if (!in) return r;
    r.opened = true;
    unsigned char bytes[profileFileBytes];
    in.read(reinterpret_cast<char*>(bytes), profileFileBytes);
    r.values = static_cast<int>(in.gcount() / 8);
    for (int i = 0; i < r.values; ++i) {
        uint64_t bits = 0;
        for (int k = 7; k >= 0; --k)
            bits = bits << 8 | bytes[8 * i + k];
        values[i] = std::bit_cast<double>(bits);
    }
    return r;
}

std::array<unsigned char, profileFileBytes> profileBytes(const ProfileValues& values) {
    std::array<unsigned char, profileFileBytes> bytes{};
    for (int i = 0; i < profileValues; ++i) {
        const auto bits = std::bit_cast<uint64_t>(values[i]);
        for (int k = 0; k < 8; ++k)
            bytes[8 * i + k] = static_cast<unsigned char>(bits >> (8 * k));
    }
    return bytes;
}

bool writeProfileFile(const std::string& path, const ProfileValues& values, bool create) {
    const auto bytes = profileBytes(values);
    // in | out opens an existing file without truncating it and never creates one.
    const auto mode = std::ios::binary | std::ios::out | (create ? std::ios::trunc : std::ios::in);
    std::fstream out(path, mode);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), profileFileBytes);
    out.flush();
    return static_cast<bool>(out);
}

} // namespace rca
