#include "cli/results_output.h"

#include "script/exit_codes.h"

namespace rca {

ResultsOutput::ResultsOutput(std::ostream& out, const std::string& file) : out_(out) {
    if (!file.empty()) file_ = CheckedOutput::replacing(file);
}

int ResultsOutput::finish(int code, std::ostream& err, const std::string& command) {
    if (file_) return outputExitCode(*file_, code, err, command);
    out_.flush();
    return out_ ? code : writeFailedExitCode;
}

int outputExitCode(CheckedOutput& output, int code, std::ostream& err, const std::string& command) {
    if (output.finish().empty()) return code;
    err << command << ": " << output.problem() << '\n';
    return writeFailedExitCode;
}

} // namespace rca
