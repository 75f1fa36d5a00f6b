#pragma once
// The weight profile file: 45 column weights then 25 row weights, each a
// little-endian IEEE-754 double, 560 bytes and no header.
#include <array>
#include <string>

namespace rca {

constexpr int profileValues = 45 + 25;
constexpr int profileFileBytes = profileValues * 8;
using ProfileValues = std::array<double, profileValues>;

struct ProfileFileRead {
    bool opened = false;
    int values = 0; // whole values the file held, at most 70; only those are replaced
};
ProfileFileRead readProfileFile(const std::string& path, ProfileValues& values);

// The 560 bytes of a file holding `values`.
std::array<unsigned char, profileFileBytes> profileBytes(const ProfileValues& values);

// Writes the 560 bytes from offset 0. Without `create` the file must exist
// (it is opened, not created, and not truncated). False when it failed.
bool writeProfileFile(const std::string& path, const ProfileValues& values, bool create);

} // namespace rca
