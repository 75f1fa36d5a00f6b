#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace rca {

// Makes `dir` a ready working directory: every folder the program reads or
// writes, the square slot files and the weight profile file (which the
// writers never create). Every write is checked to the close; a new file
// that fails is removed.
// Good files are kept; a fixed file shorter than its format needs (cut off
// by a full disk) is written again. Returns an empty string or the reason it
// failed; `made`, when given, receives what was created, in order, relative
// to `dir`: folders end in "/", and "" is `dir` itself; `repaired` the files
// written again; `leftAlone` a notice for each short file that a link leads
// to outside `dir`, which is not written.
std::string initWorkdir(const std::filesystem::path& dir, std::vector<std::string>* made = nullptr,
                        std::vector<std::string>* repaired = nullptr,
                        std::vector<std::string>* leftAlone = nullptr);

// Whether `dir` has every folder of the layout and the square slots that the
// start-up writes: the window offers to make one when it has not.
bool isWorkdir(const std::filesystem::path& dir);

} // namespace rca
