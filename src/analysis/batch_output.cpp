#include "analysis/batch_output.h"

#include <system_error>

namespace rca {

std::string reopenEmpty(std::ofstream& stream, const std::filesystem::path& file) {
    if (stream.is_open()) stream.close(); // an open file may not be deletable
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (ec) return "cannot delete " + file.string() + ": " + ec.message();
    stream.clear();
    stream.open(file, std::ios::binary | std::ios::trunc);
    if (!stream.is_open()) return "cannot create " + file.string();
    return "";
}

} // namespace rca
