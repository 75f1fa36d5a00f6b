#pragma once
// The workbench's notices in Python: each a warning of category
// rcalab.RcalabWarning, and a file that could not be read or written an
// rcalab.FileError (an OSError).
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace rcapy {

// The notices in what a call wrote to the host, one a line.
std::vector<std::string> noticeLines(const std::string& text);

// Warns of each notice; with `mayRaise`, the first failed read or write
// raises FileError instead (the others still warn). A warning that the
// filters turn into an error propagates.
void raiseNotices(const std::vector<std::string>& notices, bool mayRaise);

} // namespace rcapy
