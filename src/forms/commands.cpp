#include "forms/commands.h"

namespace rca {

std::string Commands::normalise(const std::string& name) {
    const std::string prefix = "TForm1.";
    return name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
}

void Commands::add(const std::string& name, std::function<void()> fn) {
    const std::string key = normalise(name);
    if (table_.count(key)) throw std::logic_error("command " + key + " is defined twice");
    table_[key] = std::move(fn);
}

void Commands::replace(const std::string& name, std::function<void()> fn) {
    auto it = table_.find(normalise(name));
    if (it == table_.end()) throw UnknownCommand("no command " + name);
    it->second = std::move(fn);
}

bool Commands::has(const std::string& name) const {
    return table_.count(normalise(name)) != 0;
}

void Commands::run(const std::string& name) const {
    auto it = table_.find(normalise(name));
    if (it == table_.end()) throw UnknownCommand("no command " + name);
    // Copy: the command may add commands while it runs.
    auto fn = it->second;
    fn();
}

std::vector<std::string> Commands::names() const {
    std::vector<std::string> out;
    for (const auto& [name, fn] : table_)
        out.push_back(name);
    return out;
}

} // namespace rca
