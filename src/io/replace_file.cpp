#include "io/replace_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace rca {

namespace fs = std::filesystem;

namespace {

constexpr int maxLinkHops = 40; // as the kernel's own limit

std::string systemError(int error) {
    return std::strerror(error);
}

// The file a chain of symbolic links finally names (the path itself when it
// is no link). A dangling link names the file it would create.
bool followLinks(const fs::path& file, fs::path& target, std::string& problem) {
    target = file;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            problem = "cannot follow the link " + target.string() + ": " + ec.message();
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    problem = systemError(ELOOP);
    return false;
}

fs::path folderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// Writes everything, resuming after interrupted or short writes.
bool writeAll(int fd, const void* data, size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A short name that cannot collide with the user's: a name longer than the
// target's would not fit where the target's own name just fits.
fs::path temporaryName(const fs::path& folder) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".";
    for (int k = 0; k < 10; ++k)
        name += digits[random() % (sizeof digits - 1)];
    return folder / (name + ".rcalab-tmp");
}

// Created exclusively: an existing name, a planted link included, fails.
int createTemporary(const fs::path& folder, fs::path& tmp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = temporaryName(folder);
        const int fd =
            ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Over the file itself, for the cases where a new file would not be the
// same file. Written first and cut to length after, so a file that could not
// be written keeps at least its old length.
std::string writeInPlace(const fs::path& target, const void* data, size_t size) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return systemError(errno);
    bool ok = writeAll(fd, data, size) && ::ftruncate(fd, static_cast<off_t>(size)) == 0 &&
              ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    return ok ? "" : "the file was written in place and may be damaged: " + systemError(error);
}

// The replacement keeps the old file's permissions and, where the system
// lets us, its owner; a file we may not give away simply stays ours.
void keepModeAndOwner(int fd, const struct stat& old) {
    ::fchmod(fd, old.st_mode & 07777);
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
}

std::string writeBeside(const fs::path& target, const fs::path& folder, const struct stat* old,
                        const void* data, size_t size) {
    fs::path tmp;
    const int fd = createTemporary(folder, tmp);
    if (fd < 0) return "cannot create a file in " + folder.string() + ": " + systemError(errno);
    if (old) keepModeAndOwner(fd, *old);
    bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) ok = false, error = errno;
    if (!ok) {
        ::unlink(tmp.c_str());
        return systemError(error);
    }
    syncFolder(folder);
    return "";
}

} // namespace

std::string replaceFile(const fs::path& file, const void* data, size_t size) {
    fs::path target;
    std::string problem;
    if (!followLinks(file, target, problem)) return problem;
    const fs::path folder = folderOf(target);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "the folder " + folder.string() + " is missing";
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return systemError(errno);
        return writeBeside(target, folder, nullptr, data, size);
    }
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file (a device or a pipe), left alone";
    if (::access(target.c_str(), W_OK) != 0) return "the file is write-protected";
    if (st.st_nlink > 1 || ::access(folder.c_str(), W_OK) != 0)
        return writeInPlace(target, data, size);
    return writeBeside(target, folder, &st, data, size);
}

} // namespace rca
