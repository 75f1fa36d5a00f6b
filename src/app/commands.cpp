#include "app/commands.h"

namespace rca {

std::string Commands::normalise(const std::string& name) {
    // The main form's prefix may be left out.
    const std::string prefix = "TForm1.";
    return name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
}

void Commands::add(const std::string& name, std::function<void()> fn) {
    table_[normalise(name)] = std::move(fn);
}

bool Commands::has(const std::string& name) const {
    return table_.count(normalise(name)) != 0;
}

bool Commands::run(const std::string& name) const {
    auto it = table_.find(normalise(name));
    if (it == table_.end()) return false;
    // Copy: the command may re-register commands while it runs.
    auto fn = it->second;
    fn();
    return true;
}

std::vector<std::string> Commands::names() const {
    std::vector<std::string> out;
    for (const auto& [name, fn] : table_)
        out.push_back(name);
    return out;
}

} // namespace rca
