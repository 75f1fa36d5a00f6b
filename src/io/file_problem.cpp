#include "io/file_problem.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace rca {

namespace fs = std::filesystem;

namespace {

// "" when the file can be opened as asked.
std::string fileProblem(const fs::path& file, bool forWriting) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return errno == ENOENT ? "the file is missing" : std::strerror(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (::access(file.c_str(), R_OK) != 0) return "the file is not readable";
    if (forWriting && ::access(file.c_str(), W_OK) != 0)
        return "the file is write-protected (it is opened for reading and writing)";
    return "";
}

} // namespace

std::string openFailure(const fs::path& file, bool forWriting) {
    const std::string problem = fileProblem(file, forWriting);
    return problem.empty() ? "the file could not be opened" : problem;
}

std::string writeFailure(const fs::path& file, bool onlyExisting) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " is missing";
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return "it is a folder";
        if (::access(file.c_str(), W_OK) != 0) return "the file is write-protected";
    } else if (onlyExisting) {
        return "the file is missing";
    } else if (::access(folder.c_str(), W_OK) != 0) {
        return "the folder " + folder.string() + " is not writable";
    }
    return "the write failed part-way (is the disk full?)";
}

} // namespace rca
