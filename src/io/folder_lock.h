#pragma once
// One program at a time on a working folder. Two would both write the square
// slots at start-up and then each other's files; an advisory lock on a file
// in the folder (.rcalab.lock, holding the holder's pid, program and host)
// keeps a second program out and tells it who is there. The kernel lets go
// of the lock when the holder ends, however it ends.
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace rca {

inline constexpr const char* folderLockName = ".rcalab.lock";

// Another process holds the folder. what() names the folder and the holder.
class FolderInUse : public std::runtime_error {
  public:
    FolderInUse(const std::filesystem::path& folder, long pid, const std::string& holder);
    long pid() const { return pid_; } // 0 when the holder has not written it yet
    const std::string& holder() const { return holder_; } // "rcalab-cli on host"

  private:
    long pid_;
    std::string holder_;
};

class FolderLock {
  public:
    FolderLock() = default;
    // Locks `folder` for this process, or joins the hold this process has on
    // it already (two workbenches of one program share a folder as before).
    // Throws FolderInUse when another process holds it. A folder that cannot
    // hold the lock file (read-only, or a link or a non-file planted at its
    // name) is not locked, and problem() says why.
    static FolderLock take(const std::filesystem::path& folder, const std::string& program);

    bool held() const { return hold_ != nullptr; }
    const std::string& problem() const { return problem_; }

  private:
    struct Hold;
    std::shared_ptr<Hold> hold_;
    std::string problem_;
};

} // namespace rca
