#pragma once
// A file opened only when it is a plain file. A working folder may hold a
// pipe, a device or a socket at a file's name; opening or reading one could
// wait for ever, so the open never waits and anything else is refused with
// its name ("it is a pipe (FIFO), not a file").
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace rca {

class RegularFile {
  public:
    // Create makes the file when missing and empties it; the others never
    // create one. ReadWrite keeps the readers that open for both refusing a
    // write-protected file, as they always have.
    enum class Access { Read, ReadWrite, Create };

    RegularFile(const std::filesystem::path& file, Access access);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Why it is not open, in words for a notice; "" when it is.
    const std::string& problem() const { return problem_; }
    // The size when it was opened.
    uint64_t size() const { return size_; }

    // Up to `n` bytes from the current position: fewer only at the end of
    // the file or on an error.
    size_t read(void* to, size_t n);
    // Up to `n` bytes at `offset`, leaving the current position.
    size_t readAt(uint64_t offset, void* to, size_t n);
    // All `n` bytes at `offset`; false when any of them failed.
    bool writeAt(uint64_t offset, const void* data, size_t n);
    // Closes now; false when the system reports a failed write.
    bool close();
    // The descriptor, now the caller's to close; -1 when not open.
    int release();

  private:
    int fd_ = -1;
    uint64_t size_ = 0;
    std::string problem_;
};

// What a reader took from the front of a file.
struct FrontRead {
    std::string problem; // why it could not be opened; "" when it was
    size_t bytes = 0;    // bytes read
    uint64_t size = 0;   // the whole file's size
    bool opened() const { return problem.empty(); }
};

// Reads up to `n` bytes from offset 0 into `to`; never more, whatever the
// file's size.
FrontRead readFront(const std::filesystem::path& file, void* to, size_t n,
                    RegularFile::Access access = RegularFile::Access::Read);

} // namespace rca
