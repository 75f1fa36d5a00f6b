#include "gui/main_window.h"

#include "gui/batch_stats_dock.h"
#include "gui/canvas_view.h"
#include "gui/error_report.h"
#include "gui/form_window.h"
#include "gui/menu_binding.h"
#include "gui/qt_text.h"
#include "gui/timer_driver.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace rcagui {

MainWindow::MainWindow(const std::filesystem::path& workdir)
    : host_(std::make_unique<GuiHost>()),
      wb_(std::make_unique<rca::Workbench>(host_.get(), workdir)) {
    host_->setFolder(wb_->workdir());
    rca::TForm1& form = wb_->form1();
    setWindowTitle(qs(form.caption()));
    resize(form.width(), form.height());

    auto* notices = new QLabel(this);
    notices->setObjectName(QStringLiteral("Notices"));
    statusBar()->addPermanentWidget(notices);
    host_->attach(this, notices);

    std::vector<std::string> titles;
    for (const char* t : rca::mainMenuTitles())
        titles.emplace_back(t);
    window_ = new FormWindow(form, menuBar(), titles, statusBar(), this);
    setCentralWidget(window_);

    // Floating, so opening it does not squeeze the picture and the groups.
    dock_ = new BatchStatsDock(form, this);
    addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->setFloating(true);
    dock_->hide();
    window_->menus()->addExtra("Initial", dock_->toggleViewAction());

    timers_ = std::make_unique<TimerDriver>(wb_->timers());

    guard([this] { wb_->startUp(); });
}

MainWindow::~MainWindow() {
    // Qt deletes the child widgets only after the members are gone; take down
    // everything that observes or calls the core while the core still exists.
    timers_.reset();
    delete dock_;
    delete takeCentralWidget();
    host_->attach(nullptr, nullptr);
}

QDockWidget* MainWindow::batchDock() const {
    return dock_;
}

CanvasView* MainWindow::canvasView() const {
    return window_->surface();
}

QWidget* MainWindow::controlWidget(const std::string& name) const {
    return window_->controlWidget(name);
}

QAction* MainWindow::menuAction(const std::string& name) const {
    return window_->menuAction(name);
}

const QTimer* MainWindow::timerDriving(const std::string& name) const {
    return timers_->timer(name);
}

} // namespace rcagui
