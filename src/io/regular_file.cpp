#include "io/regular_file.h"

#include "io/file_problem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rca {

namespace {

int openFlags(RegularFile::Access access) {
    switch (access) {
    case RegularFile::Access::Read:
        return O_RDONLY;
    case RegularFile::Access::ReadWrite:
        return O_RDWR;
    case RegularFile::Access::Create:
        return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

} // namespace

RegularFile::RegularFile(const std::filesystem::path& file, Access access) {
    // Looked at before the open, so a device is never opened at all.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        problem_ = notAFile(st.st_mode);
        return;
    }
    // O_NONBLOCK: something swapped in since the look must not hold the open.
    do
        fd_ = ::open(file.c_str(), openFlags(access) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
        problem_ = openFailure(file, access != Access::Read);
        return;
    }
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem_ = notAFile(st.st_mode);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<uint64_t>(st.st_size);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

size_t RegularFile::read(void* to, size_t n) {
    auto* out = static_cast<char*>(to);
    size_t got = 0;
    while (fd_ >= 0 && got < n) {
        const ssize_t r = ::read(fd_, out + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    return got;
}

size_t RegularFile::readAt(uint64_t offset, void* to, size_t n) {
    auto* out = static_cast<char*>(to);
    size_t got = 0;
    while (fd_ >= 0 && got < n) {
        const ssize_t r = ::pread(fd_, out + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    return got;
}

bool RegularFile::writeAt(uint64_t offset, const void* data, size_t n) {
    const auto* in = static_cast<const char*>(data);
    size_t done = 0;
    while (fd_ >= 0 && done < n) {
        const ssize_t w = ::pwrite(fd_, in + done, n - done, static_cast<off_t>(offset + done));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        done += static_cast<size_t>(w);
    }
    return done == n;
}

bool RegularFile::close() {
    if (fd_ < 0) return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
}

int RegularFile::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

FrontRead readFront(const std::filesystem::path& file, void* to, size_t n,
                    RegularFile::Access access) {
    RegularFile f(file, access);
    FrontRead r;
    r.problem = f.problem();
    if (!f.isOpen()) return r;
    r.size = f.size();
    r.bytes = f.read(to, n);
    return r;
}

} // namespace rca
