#pragma once
// The exit codes of rcalab-cli (the table in docs/batch.md).
#include <csignal>

namespace rca {

// A result could not be written: standard output, --output, --cases or a
// file of init-workdir. It wins over the other codes.
constexpr int writeFailedExitCode = 1;
// A malformed command line, or a script line in error.
constexpr int usageExitCode = 2;
// A script ran to its end, but some of its file commands failed.
constexpr int fileCommandsFailedExitCode = 3;
// Another program holds the working folder; nothing was run or written.
constexpr int folderInUseExitCode = 4;
// Stopped by a signal with partial results: 128 + the signal; the commands
// return this one and the interrupt guard puts the signal's own in its place.
constexpr int interruptedExitCode = 128 + SIGINT;

} // namespace rca
