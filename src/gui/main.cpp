// rcalab: the desktop workbench.
#include "gui/case_option.h"
#include "gui/dev_hooks.h"
#include "gui/error_report.h"
#include "gui/main_window.h"
#include "gui/workdir_prompt.h"
#include "state/version.h"

#include <QMessageBox>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

const char* help =
    "usage: rcalab [--workdir DIR | DIR] [--case FILE:N]\n"
    "       rcalab --help | --version\n\n"
    "The rcalab desktop workbench: a reversible one-dimensional cellular automaton\n"
    "with three cell states, its space-time picture, batches and analysis windows.\n\n"
    "Options:\n"
    "  --workdir DIR, DIR  work in folder DIR (default: the current folder); a\n"
    "                      folder without the working layout is offered to be made\n"
    "  --case FILE:N       open case N (counted from 1) of a cases file written by\n"
    "                      rcalab-cli verdicts --cases, set up as a trial ready for\n"
    "                      GO; a bad reference is shown in the error box\n"
    "  --help              show this help\n"
    "  --version           show the version\n\n"
    "The user guide is docs/guide.md, installed under share/doc/rcalab; the same\n"
    "workbench runs without a screen as rcalab-cli.\n";

struct Arguments {
    QString workdir = QStringLiteral(".");
    std::optional<QString> caseReference; // --case FILE:N
    bool done = false;                    // --help or --version answered, or a bad argument
    int exitCode = 0;
};

// Read before the application starts, so --help and --version need no display.
Arguments parse(int argc, char** argv) {
    Arguments a;
    bool haveDir = false;
    for (int i = 1; i < argc && !a.done; ++i) {
        const char* arg = argv[i];
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            std::cout << help;
            a.done = true;
        } else if (!std::strcmp(arg, "--version")) {
            std::cout << "rcalab " << rca::programVersion << '\n';
            a.done = true;
        } else if (!a.caseReference && !std::strcmp(arg, "--case") && i + 1 < argc) {
            a.caseReference = QString::fromLocal8Bit(argv[++i]);
        } else if (!haveDir && !std::strcmp(arg, "--workdir") && i + 1 < argc) {
            a.workdir = QString::fromLocal8Bit(argv[++i]);
            haveDir = true;
        } else if (!haveDir && arg[0] != '-') {
            a.workdir = QString::fromLocal8Bit(arg);
            haveDir = true;
        } else {
            const bool last = i + 1 == argc;
            const std::string why =
                last && (!std::strcmp(arg, "--case") || !std::strcmp(arg, "--workdir"))
                    ? std::string(arg) + " needs a value"
                    : "unexpected argument " + std::string(arg);
            std::cerr << "rcalab: " << why << "\n" << help;
            a.done = true;
            a.exitCode = 2;
        }
    }
    return a;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments args = parse(argc, argv);
    if (args.done) return args.exitCode;
    rcagui::SafeApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("rcalab"));
    app.setApplicationName(QStringLiteral("rcalab"));
    app.setApplicationVersion(QString::fromLatin1(rca::programVersion));
    // Lets a desktop find rcalab.desktop and its icon for the window.
    app.setDesktopFileName(QStringLiteral("rcalab"));
    try {
        // Locked before the window's start-up writes its first file.
        const std::optional<rcagui::LockedWorkdir> workdir =
            rcagui::settleAndLockWorkdir(args.workdir);
        if (!workdir) return 0;
        // The workbench holds its folder; the process's directory stays as it was.
        rcagui::MainWindow window(std::filesystem::path(workdir->path.toStdString()));
        if (!workdir->lock.problem().empty()) window.workbench().report(workdir->lock.problem());
        window.show();
        rcagui::installDevHooks(window);
        if (args.caseReference) rcagui::openCase(window, *args.caseReference);
        return app.exec();
    } catch (const std::exception& e) {
        // The window could not be built: say why instead of vanishing.
        QMessageBox::critical(nullptr, QStringLiteral("rcalab"), QString::fromUtf8(e.what()));
        return 1;
    }
}
