#pragma once
// The desktop window: a thin view over one workbench. It has no logic of its
// own; every behaviour is the core's.
#include "app/workbench.h"
#include "gui/gui_host.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>

class QAction;
class QDockWidget;
class QTimer;

namespace rcagui {

class BatchStatsDock;
class CanvasView;
class FormWindow;
class TimerDriver;

class MainWindow : public QMainWindow {
  public:
    // The window takes the place and the docks it had when last closed. The
    // workbench's files lie in `workdir` (empty: the current directory).
    explicit MainWindow(const std::filesystem::path& workdir = {});
    ~MainWindow() override;

    rca::Workbench& workbench() { return *wb_; }
    CanvasView* canvasView() const;
    QDockWidget* batchDock() const;
    // The widget of a main-window control, nullptr while it has none.
    QWidget* controlWidget(const std::string& name) const;
    // The action of a menu item by its component name.
    QAction* menuAction(const std::string& name) const;
    // The QTimer that drives a core timer.
    const QTimer* timerDriving(const std::string& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showBatchDock(bool shown);

    std::unique_ptr<GuiHost> host_;
    std::unique_ptr<rca::Workbench> wb_;
    FormWindow* window_ = nullptr;
    BatchStatsDock* dock_ = nullptr;
    std::unique_ptr<TimerDriver> timers_;
};

} // namespace rcagui
