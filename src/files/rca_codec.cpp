#include "files/rca_codec.h"

#include "io/replace_file.h"

#include <algorithm>
#include <fstream>

namespace rca {

namespace fs = std::filesystem;

namespace {

constexpr std::ios::openmode readWrite = std::ios::in | std::ios::out | std::ios::binary;

} // namespace

void decodeRca(const uint8_t* bytes, size_t count, RcaTable& table) {
    std::copy_n(bytes, std::min(count, table.size()), table.begin());
}

std::optional<size_t> readRcaFile(const fs::path& file, RcaTable& table) {
    std::fstream f(file, readWrite);
    if (!f.is_open()) return std::nullopt;
    RcaTable bytes{};
    f.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<size_t>(f.gcount());
    decodeRca(bytes.data(), got, table);
    return got;
}

std::string writeRcaFile(const fs::path& file, const RcaTable& table) {
    return replaceFile(file, table.data(), table.size());
}

} // namespace rca
