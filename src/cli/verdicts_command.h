#pragma once
// `rcalab-cli verdicts`: the theory check's verdict for whole families of
// start lines, counted per length.
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// `args` are the words after "verdicts". Returns the exit code.
int runVerdictsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rca
