// rcalab: the desktop workbench.
#include "gui/dev_hooks.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

#include <QMessageBox>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    rcagui::SafeApplication app(argc, argv);
    try {
        // The working folder is where the program was started, as `make run` does.
        rcagui::MainWindow window(std::filesystem::current_path());
        window.show();
        rcagui::installDevHooks(window);
        return app.exec();
    } catch (const std::exception& e) {
        // The window could not be built: say why instead of vanishing.
        QMessageBox::critical(nullptr, QStringLiteral("rcalab"), QString::fromUtf8(e.what()));
        return 1;
    }
}
