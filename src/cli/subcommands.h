#pragma once
// Subcommands of rcalab-cli besides scripts, with their results on `out`.
// Each returns the exit code; a signal's stop gives 128 + its number.
#include <iosfwd>

namespace rca {

int batchCommand(int argc, char** argv, std::ostream& out); // rcalab-cli batch ...
int sweepCommand(int argc, char** argv, std::ostream& out); // rcalab-cli sweep ...
// rcalab-cli verdicts ...
int verdictsCommand(int argc, char** argv, std::ostream& out);

} // namespace rca
