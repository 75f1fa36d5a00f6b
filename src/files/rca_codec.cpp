#include "files/rca_codec.h"

#include "io/regular_file.h"
#include "io/replace_file.h"

#include <algorithm>

namespace rca {

namespace fs = std::filesystem;

void decodeRca(const uint8_t* bytes, size_t count, RcaTable& table) {
    std::copy_n(bytes, std::min(count, table.size()), table.begin());
}

std::optional<size_t> readRcaFile(const fs::path& file, RcaTable& table) {
    RcaTable bytes{};
    const FrontRead got =
        readFront(file, bytes.data(), bytes.size(), RegularFile::Access::ReadWrite);
    if (!got.opened()) return std::nullopt;
    decodeRca(bytes.data(), got.bytes, table);
    return got.bytes;
}

std::string writeRcaFile(const fs::path& file, const RcaTable& table) {
    return replaceFile(file, table.data(), table.size());
}

} // namespace rca
