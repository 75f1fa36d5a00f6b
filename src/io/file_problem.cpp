#include "io/file_problem.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace rca {

namespace fs = std::filesystem;

namespace {

// Why the name leads nowhere: a link to nothing, a loop of links, or nothing there.
std::string missing(const fs::path& file, int error) {
    if (error == ELOOP) return "it is a link that leads round in a loop";
    if (error != ENOENT) return std::strerror(error);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(file, ec))) {
        const fs::path to = fs::read_symlink(file, ec);
        return "it is a link to " + to.string() + ", which does not exist";
    }
    return "the file is missing";
}

// "" when the file can be opened as asked.
std::string fileProblem(const fs::path& file, bool forWriting) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return missing(file, errno);
    if (!S_ISREG(st.st_mode)) return notAFile(st.st_mode);
    if (::access(file.c_str(), R_OK) != 0) return "the file is not readable";
    if (forWriting && ::access(file.c_str(), W_OK) != 0)
        return "the file is write-protected (it is opened for reading and writing)";
    return "";
}

} // namespace

std::string notAFile(unsigned mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISFIFO(mode)) return "it is a pipe (FIFO), not a file";
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
    return "it is not a plain file";
}

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
        if (!S_ISREG(st.st_mode)) return notAFile(st.st_mode);
        if (::access(file.c_str(), W_OK) != 0) return "the file is write-protected";
    } else if (errno == ELOOP || onlyExisting) {
        return missing(file, errno);
    } else if (::access(folder.c_str(), W_OK) != 0) {
        return "the folder " + folder.string() + " is not writable";
    }
    return "the write failed part-way (is the disk full?)";
}

} // namespace rca
