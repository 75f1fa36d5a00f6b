#include "gui/main_window.h"

namespace rcagui {

MainWindow::MainWindow() {
    resize(1146, 767);
}

} // namespace rcagui
