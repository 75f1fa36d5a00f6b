#pragma once
// Where the results of batch, sweep and verdicts go: the stream the command
// was given (standard output, which main checks) or the file of --output,
// replaced whole at the end so it never holds a cut line or a stale result.
#include "io/checked_output.h"

#include <memory>
#include <ostream>
#include <string>

namespace rca {

class ResultsOutput {
  public:
    ResultsOutput(std::ostream& out, const std::string& file);
    std::ostream& stream() { return file_ ? file_->stream() : out_; }
    bool failed() { return !stream(); }
    // Replaces the --output file. `code`, or writeFailedExitCode when the
    // results could not be written (said on `err` for the file; main says it
    // for standard output).
    int finish(int code, std::ostream& err, const std::string& command);

  private:
    std::ostream& out_;
    std::unique_ptr<CheckedOutput> file_;
};

// `code`, or writeFailedExitCode after "COMMAND: writing ... failed: ..." on
// `err` when `output` could not be written whole.
int outputExitCode(CheckedOutput& output, int code, std::ostream& err, const std::string& command);

} // namespace rca
