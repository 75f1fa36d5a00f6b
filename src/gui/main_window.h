#pragma once
#include <QMainWindow>

namespace rcagui {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow();
};

} // namespace rcagui
