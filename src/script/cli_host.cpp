#include "script/cli_host.h"

#include <ostream>

namespace rca {

void CliHost::message(const std::string& text) {
    ++notices_;
    err_ << text << '\n';
}

std::optional<std::string> CliHost::saveFileName(const std::string&) {
    auto answer = next();
    if (answer && saveCheck_) refusal_ = saveCheck_(*answer);
    if (!refusal_.empty()) return std::nullopt;
    return answer;
}

std::optional<std::string> CliHost::next() {
    // With no answer queued the dialog is cancelled.
    if (answers_.empty()) return std::nullopt;
    auto a = answers_.front();
    answers_.pop_front();
    return a;
}

} // namespace rca
