#pragma once
// Emptying an output file of the 'Write Qhist' batch commands.
#include <filesystem>
#include <fstream>
#include <string>

namespace rca {

// Closes `stream` if it is open, deletes `file` and creates it empty, left
// open in `stream`. Returns "" or why the stream is left without a file.
std::string reopenEmpty(std::ofstream& stream, const std::filesystem::path& file);

} // namespace rca
