#pragma once
// Subcommands of rcalab-cli besides scripts. Each returns the exit code.
namespace rca {

int batchCommand(int argc, char** argv); // rcalab-cli batch ...
int sweepCommand(int argc, char** argv); // rcalab-cli sweep ...
// rcalab-cli verdicts ...
int verdictsCommand(int argc, char** argv);

} // namespace rca
