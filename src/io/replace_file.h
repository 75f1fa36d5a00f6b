#pragma once
// Whole files the user chose are written beside the target and renamed over
// it, so a failed write never leaves a truncated file where a good one was.
#include <cstddef>
#include <filesystem>
#include <string>

namespace rca {

// Writes `size` bytes as the whole of `file`. Returns why it could not, or
// an empty string when the file now holds exactly these bytes.
std::string replaceFile(const std::filesystem::path& file, const void* data, size_t size);

} // namespace rca
