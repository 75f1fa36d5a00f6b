// rcalab: the desktop workbench.
#include "gui/dev_hooks.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

#include "state/version.h"

#include <QMessageBox>
#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    // Answered before any window: no display is needed to ask.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "rcalab " << rca::programVersion << '\n';
        return 0;
    }
    rcagui::SafeApplication app(argc, argv);
    try {
        rcagui::MainWindow window;
        window.show();
        rcagui::installDevHooks(window);
        return app.exec();
    } catch (const std::exception& e) {
        // The window could not be built: say why instead of vanishing.
        QMessageBox::critical(nullptr, QStringLiteral("rcalab"), QString::fromUtf8(e.what()));
        return 1;
    }
}
