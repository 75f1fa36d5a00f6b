#pragma once
// The cause to name in a notice after a file could not be opened, read or
// written: what the system says about the file and its folder, so the user
// reads "the file is write-protected" rather than a list of guesses.
#include <filesystem>
#include <string>

namespace rca {

// Why `file` could not be opened for reading (and, with `forWriting`, for
// writing as well, as the readers that open a file for both do). Never empty.
std::string openFailure(const std::filesystem::path& file, bool forWriting);

// Why writing `file` failed: its folder, the file itself (missing, for the
// writers that `onlyExisting` files), or else the write (a full disk).
// Never empty.
std::string writeFailure(const std::filesystem::path& file, bool onlyExisting);

// What stands at a name that is not a plain file, by its mode from stat():
// "it is a pipe (FIFO), not a file" and the like.
std::string notAFile(unsigned mode);

} // namespace rca
