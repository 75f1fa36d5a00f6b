#include "files/rca_codec.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace rca {

namespace fs = std::filesystem;

namespace {

constexpr std::ios::openmode readWrite = std::ios::in | std::ios::out | std::ios::binary;

// The temporary sits beside the target so the rename stays on one file system.
fs::path temporaryFor(const fs::path& file) {
    fs::path tmp = file;
    tmp += ".rcalab-tmp";
    return tmp;
}

bool writeAll(const fs::path& file, const RcaTable& table) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return false;
    out.write(reinterpret_cast<const char*>(table.data()),
              static_cast<std::streamsize>(table.size()));
    out.close();
    return !out.fail();
}

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
    std::error_code ec;
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " is missing";
    const bool exists = fs::exists(file, ec);
    if (exists && !std::fstream(file, readWrite).is_open()) return "the file is not writable";
    const fs::path tmp = temporaryFor(file);
    if (!writeAll(tmp, table)) {
        fs::remove(tmp, ec);
        return "the folder is not writable or the disk is full";
    }
    // The replacement keeps the permissions the old file had.
    if (exists) {
        const fs::file_status old = fs::status(file, ec);
        if (!ec) fs::permissions(tmp, old.permissions(), ec);
    }
    fs::rename(tmp, file, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(tmp, ec);
        return reason;
    }
    return "";
}

} // namespace rca
