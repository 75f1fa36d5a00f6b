#pragma once
// A fresh working directory per test, entered for the test's duration, and a
// host that records the notices the workbench reports.
#include "app/workbench.h"
#include "files/workdir.h"
#include "forms/host.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace filestest {

namespace fs = std::filesystem;

class RecordingHost : public rca::Host {
  public:
    std::optional<std::string> openFileName(const std::string& f) override { return next(f); }
    std::optional<std::string> saveFileName(const std::string& f) override { return next(f); }
    void message(const std::string& text) override { messages.push_back(text); }
    void showModal(rca::Form&) override {}
    std::vector<std::string> messages;
    // Whether some notice contains `part`.
    bool reported(const std::string& part) const {
        for (const auto& m : messages)
            if (m.find(part) != std::string::npos) return true;
        return false;
    }
    // Dialog answers in order; with none left a dialog is cancelled.
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> filters; // of every dialog shown

  private:
    std::optional<std::string> next(const std::string& filter) {
        filters.push_back(filter);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Enters a new empty folder; `ready` makes it a working directory first.
class TempWorkdir {
  public:
    explicit TempWorkdir(bool ready = true) : previous_(fs::current_path()) {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("rcalab-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        if (ready) {
            EXPECT_EQ(rca::initWorkdir(dir_), "");
        }
        fs::current_path(dir_);
    }
    ~TempWorkdir() {
        fs::current_path(previous_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    TempWorkdir(const TempWorkdir&) = delete;
    TempWorkdir& operator=(const TempWorkdir&) = delete;
    const fs::path& path() const { return dir_; }

  private:
    fs::path previous_;
    fs::path dir_;
};

inline std::vector<uint8_t> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A square record: length little-endian, then the cells (missing ones C).
inline std::vector<uint8_t> squareRecord(int32_t length, const std::string& cells) {
    std::vector<uint8_t> out(104, 0);
    auto u = static_cast<uint32_t>(length);
    for (int k = 0; k < 4; ++k)
        out[k] = static_cast<uint8_t>(u >> (8 * k));
    for (size_t i = 0; i < cells.size(); ++i)
        out[4 + i] = cells[i] == 'A' ? 2 : cells[i] == 'B' ? 1 : 0;
    return out;
}

} // namespace filestest
