#include "io/checked_output.h"

#include "io/replace_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rca {

namespace {

// Whole lines go out once this much has gathered, flushed or not.
constexpr size_t bufferLimit = 64 * 1024;

std::string failureText(const std::string& name, const std::string& cause) {
    return "writing " + name + " failed: " + cause;
}

} // namespace

CheckedOutput::CheckedOutput(int fd, std::string name)
    : CheckedOutput(fd, false, Mode::Stream, std::move(name), {}) {}

CheckedOutput::CheckedOutput(int fd, bool owned, Mode mode, std::string name,
                             std::filesystem::path file)
    : fd_(fd), owned_(owned), mode_(mode), name_(std::move(name)), file_(std::move(file)) {
    struct stat st {};
    regular_ = fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
}

std::unique_ptr<CheckedOutput> CheckedOutput::writing(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const int error = errno;
    std::unique_ptr<CheckedOutput> out(
        new CheckedOutput(fd, true, Mode::Stream, file.string(), file));
    if (fd < 0) out->fail(error);
    return out;
}

std::unique_ptr<CheckedOutput> CheckedOutput::replacing(const std::filesystem::path& file) {
    return std::unique_ptr<CheckedOutput>(
        new CheckedOutput(-1, false, Mode::Whole, file.string(), file));
}

CheckedOutput::~CheckedOutput() {
    if (owned_ && fd_ >= 0) ::close(fd_);
}

const std::string& CheckedOutput::finish() {
    if (finished_) return problem_;
    finished_ = true;
    if (failed()) {
        // Nothing more is written; a replaced file stays as it was.
    } else if (mode_ == Mode::Whole) {
        const std::string cause = replaceFile(file_, pending_.data(), pending_.size());
        if (!cause.empty()) problem_ = failureText(name_, cause);
    } else {
        writeLines(true);
    }
    if (owned_ && fd_ >= 0) {
        // Some file systems report a failed write only at the close.
        if (::close(fd_) != 0 && !failed()) fail(errno);
        fd_ = -1;
    }
    pending_.clear();
    return problem_;
}

bool CheckedOutput::accept(const char* s, size_t n) {
    if (failed() || finished_) return false;
    pending_.append(s, n);
    return mode_ == Mode::Whole || pending_.size() < bufferLimit || writeLines(false);
}

// Everything up to the last line end; with `all`, an unended last line too.
bool CheckedOutput::writeLines(bool all) {
    if (failed()) return false;
    if (mode_ == Mode::Whole) return true;
    const size_t end = all ? pending_.size() : pending_.rfind('\n') + 1;
    if (end == 0) return true; // npos + 1: no whole line yet
    const bool ok = writeChunk(pending_.data(), end);
    pending_.erase(0, end);
    return ok;
}

bool CheckedOutput::writeChunk(const char* data, size_t size) {
    off_t start = -1;
    if (regular_) {
        struct stat st {};
        const bool appending = (::fcntl(fd_, F_GETFL) & O_APPEND) != 0;
        start = appending ? (::fstat(fd_, &st) == 0 ? st.st_size : -1) : ::lseek(fd_, 0, SEEK_CUR);
    }
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            // A line cut by a full disk would read as a line: take it back.
            if (done > 0 && start >= 0 && ::ftruncate(fd_, start) == 0)
                ::lseek(fd_, start, SEEK_SET);
            fail(error);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void CheckedOutput::fail(int error) {
    if (problem_.empty()) problem_ = failureText(name_, std::strerror(error));
    pending_.clear();
}

CheckedOutput::Buffer::int_type CheckedOutput::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return owner_.accept(&ch, 1) ? c : traits_type::eof();
}

std::streamsize CheckedOutput::Buffer::xsputn(const char* s, std::streamsize n) {
    return owner_.accept(s, static_cast<size_t>(n)) ? n : 0;
}

int CheckedOutput::Buffer::sync() {
    return owner_.writeLines(false) ? 0 : -1;
}

void holdClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = ::open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

} // namespace rca
