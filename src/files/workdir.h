#pragma once
#include <filesystem>
#include <string>

namespace rca {

// Makes `dir` a ready working directory: every folder the program reads or
// writes, the square slot files and the weight profile file (which the
// writers never create).
// Existing files are kept. Returns an empty string or the reason it failed.
std::string initWorkdir(const std::filesystem::path& dir);

} // namespace rca
