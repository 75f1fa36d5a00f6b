// rcalab: the desktop workbench.
#include "gui/dev_hooks.h"
#include "gui/error_report.h"
#include "gui/main_window.h"

int main(int argc, char** argv) {
    rcagui::SafeApplication app(argc, argv);
    rcagui::MainWindow window;
    window.show();
    rcagui::installDevHooks(window);
    return app.exec();
}
