#pragma once
// `rcalab-cli verdicts`: the theory check's verdict for whole families of
// start lines, counted per length.
#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace rca {

// `args` are the words after "verdicts"; the run stops between blocks once
// `*stop` is true, which a failed write sets too. Returns the exit code
// (exit_codes.h).
int runVerdictsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       std::atomic<bool>* stop = nullptr);

} // namespace rca
