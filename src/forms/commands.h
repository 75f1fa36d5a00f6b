#pragma once
// Commands by name ("Button2Click", "TForm13.Button5Click"), so scripts and
// other subsystems can reach every handler. The main form's prefix "TForm1."
// may be left out.
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace rca {

struct UnknownCommand : std::logic_error {
    using std::logic_error::logic_error;
};

class Commands {
  public:
    // A name that is already taken throws std::logic_error: two handlers
    // under one name would silently shadow each other.
    void add(const std::string& name, std::function<void()> fn);
    // Swaps the handler of an existing command (tests watch commands this
    // way); an unknown name throws UnknownCommand.
    void replace(const std::string& name, std::function<void()> fn);
    bool has(const std::string& name) const;
    // Runs the command; an unknown name throws UnknownCommand.
    void run(const std::string& name) const;
    std::vector<std::string> names() const;

  private:
    static std::string normalise(const std::string& name);
    std::map<std::string, std::function<void()>> table_;
};

} // namespace rca
