#include "io/folder_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rca {

namespace {

// A folder by its identity, whatever path names it, and the process holding
// it: after a fork the child's copies of the parent's holds never match.
using Key = std::tuple<dev_t, ino_t, pid_t>;

struct Entry {
    int fd = -1;
    int users = 0;
};

std::mutex registryMutex;
std::map<Key, Entry> registry;

std::string hostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "this computer";
    return name;
}

// What the holder wrote, first line only, printable, bounded: the file may
// have been planted too.
std::pair<long, std::string> readHolder(int fd) {
    char buf[256];
    const ssize_t n = pread(fd, buf, sizeof buf, 0);
    std::string text(buf, n > 0 ? static_cast<size_t>(n) : 0);
    text = text.substr(0, text.find('\n'));
    long pid = 0;
    size_t i = 0;
    for (; i < text.size() && i < 10 && text[i] >= '0' && text[i] <= '9'; ++i)
        pid = pid * 10 + (text[i] - '0');
    std::string who;
    for (size_t k = i; k < text.size() && who.size() < 100; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (who.empty() && c == ' ') continue;
        who += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    }
    return {pid, who.empty() ? "another program" : who};
}

void writeHolder(int fd, const std::string& program) {
    const std::string text = std::to_string(getpid()) + " " + program + " on " + hostName() + "\n";
    // Only informative: the lock holds even when this fails.
    if (ftruncate(fd, 0) == 0) {
        [[maybe_unused]] ssize_t n = pwrite(fd, text.data(), text.size(), 0);
    }
}

void release(const Key& key) {
    std::lock_guard<std::mutex> guard(registryMutex);
    auto it = registry.find(key);
    if (it == registry.end() || --it->second.users > 0) return;
    close(it->second.fd); // the kernel lets go of the lock here
    registry.erase(it);
}

} // namespace

FolderInUse::FolderInUse(const fs::path& folder, long pid, const std::string& holder)
    : std::runtime_error(folder.string() + " is in use by " + holder +
                         (pid > 0 ? " (process " + std::to_string(pid) + ")" : "") +
                         "; two programs on one working folder would overwrite each other's "
                         "files, so wait for it to end or choose another folder"),
      pid_(pid), holder_(holder) {}

struct FolderLock::Hold {
    Key key;
    explicit Hold(Key k) : key(k) {}
    ~Hold() { release(key); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
};

FolderLock FolderLock::take(const fs::path& folder, const std::string& program) {
    FolderLock lock;
    const fs::path file = folder / folderLockName;
    auto unlocked = [&](const std::string& why) {
        lock.problem_ = "the working folder is not locked (" + std::string(folderLockName) + " " +
                        why + "), so another program may write in it at the same time";
        return lock;
    };
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0)
        return unlocked("cannot be made: " + std::string(std::strerror(errno)));
    const Key key{dir.st_dev, dir.st_ino, getpid()};

    std::lock_guard<std::mutex> guard(registryMutex);
    if (auto it = registry.find(key); it != registry.end()) {
        ++it->second.users;
        lock.hold_ = std::make_shared<Hold>(key);
        return lock;
    }
    // Never through a link, never blocking on a pipe planted at the name.
    const int fd =
        open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0)
        return unlocked(errno == ELOOP ? "is a link; remove it"
                                       : "cannot be made: " + std::string(std::strerror(errno)));
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
        close(fd);
        return unlocked(S_ISREG(st.st_mode) ? "has other names (a hard link); remove it"
                                            : "is not a plain file; remove it");
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        const auto [pid, who] = readHolder(fd);
        close(fd);
        if (err == EWOULDBLOCK) throw FolderInUse(folder, pid, who);
        return unlocked("cannot be locked: " + std::string(std::strerror(err)));
    }
    writeHolder(fd, program);
    registry[key] = Entry{fd, 1};
    lock.hold_ = std::make_shared<Hold>(key);
    return lock;
}

} // namespace rca
