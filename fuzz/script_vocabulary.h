#pragma once
// The words a script can say, taken from a started workbench: every verb,
// every control, handler, timer and model value by name, and numbers at the
// edges of every type. The random-script check draws lines from them and
// `make fuzz` gives them to libFuzzer as its dictionary.
#include "app/workbench.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace rcafuzz {

struct Vocabulary {
    std::vector<std::string> forms;    // "TForm1", ...
    std::vector<std::string> edits;    // "TForm6.Edit1"
    std::vector<std::string> clicks;   // buttons, check boxes, menu items
    std::vector<std::string> checks;   // check boxes and menu items
    std::vector<std::string> groups;   // radio groups
    std::vector<std::string> updowns;  // up-downs
    std::vector<std::string> timers;   // timers
    std::vector<std::string> handlers; // every command
    std::vector<std::string> values;   // model values
    std::vector<std::string> surfaces; // forms with a drawing surface

    explicit Vocabulary(rca::Workbench& wb);

    // One random line of any verb; numbers often at the edges.
    std::string line(std::mt19937_64& random) const;
    // libFuzzer's dictionary format: one quoted word a line.
    std::string dictionary() const;
};

// Numbers at the ends of int8 .. int64 and double, just past them, and
// malformed ones.
const std::vector<std::string>& edgeNumbers();

} // namespace rcafuzz
