#include "files/weight_profile_file.h"

#include "io/regular_file.h"

#include <bit>
#include <cstdint>

namespace rca {

ProfileFileRead readProfileFile(const std::string& path, ProfileValues& values) {
    ProfileFileRead r;
    unsigned char bytes[profileFileBytes];
    const FrontRead got = readFront(path, bytes, profileFileBytes);
    if (!got.opened()) return r;
    r.opened = true;
    r.values = static_cast<int>(got.bytes / 8);
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
    RegularFile out(path, create ? RegularFile::Access::Create : RegularFile::Access::ReadWrite);
    return out.writeAt(0, bytes.data(), profileFileBytes) && out.close();
}

} // namespace rca
