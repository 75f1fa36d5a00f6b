#include "gui/case_option.h"

#include "gui/error_report.h"
#include "gui/main_window.h"
#include "setup/case_setup.h"
#include "theory/case_file.h"

namespace rcagui {

namespace {

// The case, or a message saying why there is none.
std::optional<rca::VerdictCase> caseOf(const QString& reference, std::string& error) {
    std::string file;
    int64_t number = 0;
    if (!rca::splitCaseReference(reference.toStdString(), file, number)) {
        error = "--case takes FILE:N, N counted from 1: " + reference.toStdString();
        return std::nullopt;
    }
    return rca::readCase(file, number, error);
}

} // namespace

void openCase(MainWindow& window, const QString& reference) {
    std::string error;
    if (const std::optional<rca::VerdictCase> c = caseOf(reference, error)) {
        rca::setUpCase(window.workbench(), *c);
        return;
    }
    showError(QString::fromStdString(error));
}

} // namespace rcagui
