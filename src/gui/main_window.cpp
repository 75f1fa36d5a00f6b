#include "gui/main_window.h"

#include "gui/batch_stats_dock.h"
#include "gui/canvas_view.h"
#include "gui/error_report.h"
#include "gui/form_window.h"
#include "gui/help_menu.h"
#include "gui/menu_binding.h"
#include "gui/qt_text.h"
#include "gui/timer_driver.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>

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

    // Docked beside the picture and the groups; the window widens to make room
    // for it rather than squeezing them.
    dock_ = new BatchStatsDock(form, this);
    addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    window_->menus()->addExtra("Initial", dock_->toggleViewAction());
    connect(dock_->toggleViewAction(), &QAction::triggered, this,
            [this](bool shown) { showBatchDock(shown); });
    addHelpItems(*window_->menus(), this);

    QSettings settings;
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());

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

void MainWindow::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/state"), saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::showBatchDock(bool shown) {
    if (dock_->isFloating()) return;
    const int room = dock_->sizeHint().width() +
                     style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    resize(width() + (shown ? room : -room), height());
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
