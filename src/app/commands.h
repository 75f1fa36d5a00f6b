#pragma once
// Commands by name ("Button2Click", "TForm13.Button5Click"), so scripts and
// other subsystems can reach every handler.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rca {

class Commands {
  public:
    void add(const std::string& name, std::function<void()> fn);
    bool has(const std::string& name) const;
    // Runs the command; false when no command has that name.
    bool run(const std::string& name) const;
    std::vector<std::string> names() const;

  private:
    static std::string normalise(const std::string& name);
    std::map<std::string, std::function<void()>> table_;
};

} // namespace rca
