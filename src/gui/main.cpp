// rcalab: the desktop workbench.
#include "gui/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rcagui::MainWindow window;
    window.show();
    return app.exec();
}
