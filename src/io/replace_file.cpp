#include "io/replace_file.h"

#include <fstream>
#include <system_error>

namespace rca {

namespace fs = std::filesystem;

namespace {

// The temporary sits beside the target so the rename stays on one file system.
fs::path temporaryFor(const fs::path& file) {
    fs::path tmp = file;
    tmp += ".rcalab-tmp";
    return tmp;
}

bool writeAll(const fs::path& file, const void* data, size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return false;
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return !out.fail();
}

} // namespace

std::string replaceFile(const fs::path& file, const void* data, size_t size) {
    std::error_code ec;
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " is missing";
    const bool exists = fs::exists(file, ec);
    if (exists && !std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).is_open())
        return "the file is not writable";
    const fs::path tmp = temporaryFor(file);
    if (!writeAll(tmp, data, size)) {
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
