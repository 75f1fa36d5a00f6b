#pragma once
// A fresh working folder in the temporary directory, entered for the
// benchmark's duration and removed after it.
#include "files/workdir.h"

#include <filesystem>
#include <string>

class ScratchWorkdir {
  public:
    explicit ScratchWorkdir(const std::string& name)
        : dir_(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(dir_);
        ok_ = rca::initWorkdir(dir_).empty();
        std::filesystem::current_path(dir_);
    }
    ~ScratchWorkdir() {
        std::filesystem::current_path(before_);
        std::filesystem::remove_all(dir_);
    }
    ScratchWorkdir(const ScratchWorkdir&) = delete;
    ScratchWorkdir& operator=(const ScratchWorkdir&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    bool ok() const { return ok_; }

  private:
    std::filesystem::path before_ = std::filesystem::current_path();
    std::filesystem::path dir_;
    bool ok_ = false;
};
