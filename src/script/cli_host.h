#pragma once
#include "forms/host.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <utility>

namespace rca {

// Dialog answers come from the script (`answer PATH`, `answer cancel`);
// notices go to standard error.
class CliHost : public Host {
  public:
    explicit CliHost(std::ostream& err) : err_(err) {}
    void queueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
    std::optional<std::string> openFileName(const std::string&) override { return next(); }
    std::optional<std::string> saveFileName(const std::string&) override;
    void message(const std::string& text) override;
    void showModal(Form&) override {}
    // Every notice says a command failed or did less than asked.
    int notices() const { return notices_; }

    // Answers to save dialogs pass this check (empty: allowed); a refused one
    // cancels the dialog and is kept for the script to report as its error.
    void guardSaves(std::function<std::string(const std::string&)> check) {
        saveCheck_ = std::move(check);
    }
    std::string takeRefusal() { return std::exchange(refusal_, {}); }

  private:
    std::optional<std::string> next();
    std::deque<std::optional<std::string>> answers_;
    std::ostream& err_;
    int notices_ = 0;
    std::function<std::string(const std::string&)> saveCheck_;
    std::string refusal_;
};

} // namespace rca
