#pragma once
// What only a front end can do. The GUI answers with dialogs, the CLI with
// answers given in its script.
#include <optional>
#include <string>

namespace rca {

class Form;

class Host {
  public:
    virtual ~Host() = default;
    // The file the user picked, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& filter) = 0;
    // A short, non-modal notice (a file that could not be read, say).
    virtual void message(const std::string& text) = 0;
    virtual void showModal(Form& form) = 0;
};

// Cancels every dialog and writes notices to standard error.
class NullHost : public Host {
  public:
    std::optional<std::string> openFileName(const std::string&) override { return {}; }
    std::optional<std::string> saveFileName(const std::string&) override { return {}; }
    void message(const std::string& text) override;
    void showModal(Form&) override {}
};

} // namespace rca
