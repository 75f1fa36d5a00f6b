#pragma once
// The template buffer of a frame size: the first bytes of its template file
// when that is a fitting picture header, otherwise a header built here.
#include <filesystem>
#include <string>
#include <vector>

namespace rca {

// Fills `buffer` (its size is kept; the rest is zero). Returns why the
// template could not be used, or an empty string when it was.
std::string loadTemplate(const std::filesystem::path& file, int width, int height,
                         std::vector<uint8_t>& buffer);

} // namespace rca
