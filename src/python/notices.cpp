#include "notices.h"

#include <array>
#include <optional>
#include <sstream>

namespace py = pybind11;

namespace rcapy {

namespace {

struct FileFailure {
    std::string file, cause;
};

// "cannot read FILE: CAUSE" and its kin, as the file commands word them.
std::optional<FileFailure> fileFailure(const std::string& notice) {
    static const std::array<const char*, 7> openings = {"cannot read the base table ",
                                                        "cannot read ",
                                                        "cannot write ",
                                                        "cannot create ",
                                                        "cannot delete ",
                                                        "cannot record strips into ",
                                                        "cannot show "};
    for (const char* opening : openings) {
        const std::string head = opening;
        if (notice.compare(0, head.size(), head) != 0) continue;
        const size_t colon = notice.find(": ", head.size());
        if (colon == std::string::npos) return std::nullopt;
        return FileFailure{notice.substr(head.size(), colon - head.size()),
                           notice.substr(colon + 2)};
    }
    return std::nullopt;
}

py::str decoded(const std::string& text) {
    return py::reinterpret_steal<py::str>(
        PyUnicode_DecodeUTF8(text.data(), static_cast<py::ssize_t>(text.size()), "replace"));
}

} // namespace

std::vector<std::string> noticeLines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) out.push_back(line);
    return out;
}

void raiseNotices(const std::vector<std::string>& notices, bool mayRaise) {
    if (notices.empty()) return;
    py::module_ rcalab = py::module_::import("rcalab");
    std::optional<py::object> failure;
    for (const std::string& n : notices) {
        const auto file = fileFailure(n);
        if (mayRaise && file && !failure) {
            failure =
                rcalab.attr("FileError")(decoded(n), decoded(file->file), decoded(file->cause));
            continue;
        }
        // Level 2: the line that called the workbench, past rcalab's own.
        if (PyErr_WarnEx(rcalab.attr("RcalabWarning").ptr(),
                         py::str(decoded(n)).cast<std::string>().c_str(), 2) != 0)
            throw py::error_already_set();
    }
    if (failure) {
        PyErr_SetObject(failure->get_type().ptr(), failure->ptr());
        throw py::error_already_set();
    }
}

} // namespace rcapy
