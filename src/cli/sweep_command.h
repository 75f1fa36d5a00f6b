#pragma once
// `rcalab-cli sweep`: one headless batch per configuration of a list, one
// JSON line each, on several threads and, by shards, several processes.
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// `args` are the words after "sweep". Returns the exit code.
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rca
