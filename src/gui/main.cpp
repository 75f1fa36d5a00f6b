// rcalab: the desktop workbench.
#include "gui/case_option.h"
#include "gui/dev_hooks.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

#include <QMessageBox>
#include <exception>

int main(int argc, char** argv) {
    rcagui::SafeApplication app(argc, argv);
    try {
        rcagui::MainWindow window;
        window.show();
        rcagui::installDevHooks(window);
        rcagui::openCaseFromArguments(window, app.arguments());
        return app.exec();
    } catch (const std::exception& e) {
        // The window could not be built: say why instead of vanishing.
        QMessageBox::critical(nullptr, QStringLiteral("rcalab"), QString::fromUtf8(e.what()));
        return 1;
    }
}
