#pragma once
// The files the program writes by itself, at names it chooses, stay in the
// working folder: a folder received from someone else may hold a link that
// would carry such a write anywhere.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rca {

class Bench;

// Where to write `name` (a fixed name, or a path against the working
// folder); nothing, after a notice naming the link and where it leads, when
// the write would land outside the folder.
std::optional<std::filesystem::path> fixedWriteTarget(Bench& wb, std::string_view name);

// The same without the notice, for writers that report once per run: ""
// when the write stays inside, else the notice's text.
std::string fixedWriteRefusal(const Bench& wb, std::string_view name);

} // namespace rca
