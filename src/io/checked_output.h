#pragma once
// A results stream whose every write is checked. Text is handed to the
// system in whole lines, one flush at a time, so a reader never sees a line
// cut by us; when the system takes only part of a flush (a full disk), a
// regular file is cut back to where that flush began. After the first failure
// nothing more is written and the stream is bad; problem() says which stream
// failed and why, in the system's words.
#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace rca {

class CheckedOutput {
  public:
    // A descriptor the caller keeps open (standard output); `name` is what a
    // failure calls it.
    CheckedOutput(int fd, std::string name);
    // `file` created or emptied now and written as the text comes: for
    // results that may outgrow memory. problem() says why it could not open.
    static std::unique_ptr<CheckedOutput> writing(const std::filesystem::path& file);
    // Everything is kept and becomes the whole of `file` at finish(), through
    // the safe replacement: until then the old file stays as it was.
    static std::unique_ptr<CheckedOutput> replacing(const std::filesystem::path& file);
    ~CheckedOutput();
    CheckedOutput(const CheckedOutput&) = delete;
    CheckedOutput& operator=(const CheckedOutput&) = delete;

    std::ostream& stream() { return stream_; }
    bool failed() const { return !problem_.empty(); }
    // "writing NAME failed: CAUSE", or "" while all is well.
    const std::string& problem() const { return problem_; }
    // Writes what is left, closes the file or replaces it; then problem().
    // Later calls only return problem().
    const std::string& finish();

  private:
    enum class Mode { Stream, Whole };
    CheckedOutput(int fd, bool owned, Mode mode, std::string name, std::filesystem::path file);

    class Buffer : public std::streambuf {
      public:
        explicit Buffer(CheckedOutput& owner) : owner_(owner) {}

      protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override;

      private:
        CheckedOutput& owner_;
    };

    bool accept(const char* s, size_t n);
    bool writeLines(bool all);
    bool writeChunk(const char* data, size_t size);
    void fail(int error);

    int fd_;
    bool owned_;
    Mode mode_;
    std::string name_;
    std::filesystem::path file_;
    bool regular_ = false;
    bool finished_ = false;
    std::string pending_;
    std::string problem_;
    Buffer buffer_{*this};
    std::ostream stream_{&buffer_};
};

// Standard input, output and error that were closed when the program started
// are taken by /dev/null opened for reading only: a file opened later cannot
// land on them, and a write to them still fails as it would have.
void holdClosedStandardStreams();

} // namespace rca
