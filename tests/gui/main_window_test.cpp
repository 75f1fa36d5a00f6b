// The main window's binding to the real workbench: clicks reach commands,
// core changes reach widgets, and the picture shows what the core drew.
#include "files/workdir.h"
#include "gui/canvas_view.h"
#include "gui/help_menu.h"
#include "gui/main_window.h"
#include "state/version.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowHasTheFormsSizeTitleAndMenus();
    void nStepsClickRunsTheBatch();
    void edit1SetFromCodeUpdatesTheFieldOnly();
    void maskCheckBoxClickTogglesBoxAndMask();
    void menuMarkFollowsTheCore();
    void timerWithIntervalZeroNeverStarts();
    void canvasShowsWhatTheCoreDrew();
    void mouseOverTheFreeAreaReachesTheCore();
    void batchDockShowsTheHiddenLabels();
    void windowComesBackWhereItWasClosed();
    void helpMenuHasAboutAndTheGuide();
    void theGuideFromTheBuildTreeOrTheInstalledPrefix();

  private:
    QTemporaryDir dir_;
    QTemporaryDir settings_;
    std::unique_ptr<rcagui::MainWindow> w_;
};

void MainWindowTest::initTestCase() {
    // Start-up saves a square file: give it a working directory of its own.
    QVERIFY(dir_.isValid());
    QVERIFY(rca::initWorkdir(dir_.path().toStdString()).empty());
    QVERIFY(QDir::setCurrent(dir_.path()));
    // What the window remembers goes here, never into the user's settings.
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void MainWindowTest::init() {
    w_ = std::make_unique<rcagui::MainWindow>();
}

void MainWindowTest::cleanup() {
    w_.reset();
}

void MainWindowTest::windowHasTheFormsSizeTitleAndMenus() {
    QCOMPARE(w_->size(), QSize(1146, 767));
    QCOMPARE(w_->windowTitle(), QStringLiteral("rcalab"));
    const QList<QAction*> menus = w_->menuBar()->actions();
    QCOMPARE(menus.size(), 19);
    QCOMPARE(menus.front()->text(), QStringLiteral("File"));
    QCOMPARE(menus[3]->text(), QStringLiteral("Manage"));
    QCOMPARE(menus.back()->text(), QStringLiteral("Help"));
    // Groups sit right of the picture; hidden controls have no widget.
    QCOMPARE(w_->controlWidget("GroupBoxMask")->x(), 728);
    QVERIFY(!w_->controlWidget("Button3"));
    QVERIFY(!w_->controlWidget("Edit5"));
    // 'Period= 2 ? 3' is a submenu of IMPROVE holding the pair.
    auto* t2 = w_->findChild<QAction*>("T21");
    QVERIFY(t2);
    auto* period = qobject_cast<QMenu*>(t2->parent());
    QVERIFY(period);
    QCOMPARE(period->title(), QStringLiteral("Period= 2 ? 3"));
    QCOMPARE(period->actions().size(), 2);
}

void MainWindowTest::nStepsClickRunsTheBatch() {
    rca::Workbench& wb = w_->workbench();
    auto* steps = qobject_cast<QLineEdit*>(w_->controlWidget("Edit2"));
    QVERIFY(steps);
    steps->selectAll();
    QTest::keyClicks(steps, "3");
    QCOMPARE(wb.model().stepsPerPress, 3);
    QCOMPARE(wb.form1().UpDown1.position(), 3);

    const auto before = wb.model().stepTime;
    auto* nSteps = qobject_cast<QPushButton*>(w_->controlWidget("Button2"));
    QVERIFY(nSteps && nSteps->isEnabled());
    QTest::mouseClick(nSteps, Qt::LeftButton);
    QVERIFY(wb.model().stepTime > before);
    auto* status = qobject_cast<QLabel*>(w_->controlWidget("StatusBar1"));
    QVERIFY(status);
    QCOMPARE(status->parentWidget(), w_->statusBar());
    QCOMPARE(status->text().toStdString(), wb.form1().StatusBar1.text());
}

void MainWindowTest::edit1SetFromCodeUpdatesTheFieldOnly() {
    rca::Edit& edit = w_->workbench().form1().Edit1;
    auto* line = qobject_cast<QLineEdit*>(w_->controlWidget("Edit1"));
    QVERIFY(line);
    int runs = 0;
    rca::Handler original = edit.onChange;
    edit.onChange = [&] {
        ++runs;
        original();
    };
    QSignalSpy edited(line, &QLineEdit::textEdited);
    QSignalSpy changed(line, &QLineEdit::textChanged);

    edit.setText("17");
    QCOMPARE(line->text(), QStringLiteral("17"));
    QCOMPARE(runs, 1);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(w_->workbench().model().lineLength, 17);
}

void MainWindowTest::maskCheckBoxClickTogglesBoxAndMask() {
    rca::Workbench& wb = w_->workbench();
    rca::CheckBox& right3 = *wb.form1().maskRight[3];
    auto* box = qobject_cast<QCheckBox*>(w_->controlWidget(right3.name()));
    QVERIFY(box);
    QVERIFY(!right3.checked());
    QVERIFY(!wb.model().neighbourMask.right[3]);

    const QPoint indicator(6, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    QVERIFY(right3.checked());
    QVERIFY(wb.model().neighbourMask.right[3]);
    QVERIFY(box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton, {}, indicator);
    QVERIFY(!right3.checked());
    QVERIFY(!wb.model().neighbourMask.right[3]);
    QVERIFY(!box->isChecked());
}

void MainWindowTest::menuMarkFollowsTheCore() {
    rca::MenuItem& item = w_->workbench().form1().Dontshow1;
    QAction* action = w_->menuAction("Dontshow1");
    QVERIFY(action && action->isCheckable());
    QCOMPARE(action->parent()->objectName(), QString()); // sits in a menu
    QCOMPARE(qobject_cast<QMenu*>(action->parent())->title(), QStringLiteral("Manage"));

    item.setChecked(true);
    QVERIFY(action->isChecked());
    item.setChecked(false);
    QVERIFY(!action->isChecked());

    // A handler that leaves the mark: the tick Qt set on triggering goes.
    int runs = 0;
    item.onClick = [&] { ++runs; };
    item.setEnabled(false);
    item.setEnabled(true);
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(runs, 1);
    QVERIFY(!item.checked());
    QVERIFY(!action->isChecked());
}

void MainWindowTest::timerWithIntervalZeroNeverStarts() {
    rca::Timer& timer = w_->workbench().form1().Timer1;
    const QTimer* q = w_->timerDriving("Timer1");
    QVERIFY(q);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };

    timer.setInterval(0);
    timer.setEnabled(true);
    QVERIFY(!q->isActive());
    QTest::qWait(20);
    QCOMPARE(ticks, 0);

    timer.setInterval(2);
    QVERIFY(q->isActive());
    QTRY_VERIFY(ticks > 0);
    timer.setEnabled(false);
    QVERIFY(!q->isActive());
}

void MainWindowTest::canvasShowsWhatTheCoreDrew() {
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    rcagui::CanvasView* view = w_->canvasView();
    const QPoint spot(400, 600); // below the rows, left of the groups
    const QPoint inWindow = view->mapTo(w_.get(), spot);
    auto shown = [&] {
        // What the window shows, from its backing store: only a repaint of
        // the changed box puts the new pixel there.
        QImage shot =
            w_->screen()->grabWindow(w_->winId(), inWindow.x(), inWindow.y(), 1, 1).toImage();
        return shot.pixelColor(0, 0);
    };
    QCOMPARE(shown(), QColor(0xF0, 0xF0, 0xF0));

    w_->workbench().canvas().setPixel(spot.x(), spot.y(), 0xFF0000); // blue
    QTRY_COMPARE(shown(), QColor(0, 0, 255));

    // A full repaint keeps it: the core's image is the picture.
    w_->resize(900, 700);
    w_->resize(1146, 767);
    QCOMPARE(view->grab().toImage().pixelColor(spot), QColor(0, 0, 255));
}

void MainWindowTest::mouseOverTheFreeAreaReachesTheCore() {
    std::vector<rca::MouseEvent> seen;
    w_->workbench().form1().onMouse = [&](const rca::MouseEvent& e) { seen.push_back(e); };
    w_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    rcagui::CanvasView* view = w_->canvasView();
    QTest::mousePress(view, Qt::RightButton, {}, QPoint(10, 12));
    QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(10, 12));
    QCOMPARE(seen.size(), size_t(2));
    QCOMPARE(seen[0].kind, rca::MouseEvent::Kind::Down);
    QCOMPARE(seen[0].button, rca::MouseButton::Right);
    QCOMPARE(seen[0].x, 10);
    QCOMPARE(seen[0].y, 12);
    QCOMPARE(seen[1].kind, rca::MouseEvent::Kind::Up);

    QTest::mouseMove(view, QPoint(20, 25));
    QTRY_VERIFY(seen.size() >= 3);
    QCOMPARE(seen.back().kind, rca::MouseEvent::Kind::Move);
    QCOMPARE(seen.back().x, 20);

    // Over a group the press belongs to the group, not to the form.
    seen.clear();
    QWidget* group = w_->controlWidget("GroupBoxResults");
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(200, 200));
    QVERIFY(seen.empty());

    // A press the form took ends with its release over a control too.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10, 12));
    const QPoint overGroup = view->mapFromGlobal(group->mapToGlobal(QPoint(200, 200)));
    QTest::mouseRelease(view, Qt::LeftButton, {}, overGroup);
    QCOMPARE(seen.size(), size_t(2));
    QCOMPARE(seen.back().kind, rca::MouseEvent::Kind::Up);
    QCOMPARE(seen.back().x, overGroup.x());
}

void MainWindowTest::batchDockShowsTheHiddenLabels() {
    QDockWidget* dock = w_->batchDock();
    QVERIFY(dock->isHidden());
    QAction* toggle = w_->findChild<QAction*>("BatchStatistics");
    QVERIFY(toggle);
    QMenu* initial = qobject_cast<QMenu*>(w_->menuAction("Clear1")->parent());
    QCOMPARE(initial->actions().back(), toggle);

    rca::Label& trials = w_->workbench().form1().label("Label10");
    auto* shown = dock->findChild<QLabel*>("stat_Label10");
    QVERIFY(shown);
    // No batch has written it yet: a dash, not the label's own name.
    QCOMPARE(trials.caption(), std::string("Label10"));
    QCOMPARE(shown->text(), QStringLiteral("–"));
    trials.setCaption("42");
    QCOMPARE(shown->text(), QStringLiteral("42"));
    QVERIFY(!trials.visible());

    // Docked at the right; the window widens for it, so the picture and the
    // groups keep their room.
    w_->show();
    const int width = w_->width();
    toggle->trigger();
    QVERIFY(dock->isVisible());
    QVERIFY(!dock->isFloating());
    QCOMPARE(w_->dockWidgetArea(dock), Qt::RightDockWidgetArea);
    QVERIFY(w_->width() > width);
    QTRY_COMPARE(w_->centralWidget()->width(), width);
    QCOMPARE(trials.caption(), std::string("42"));
    toggle->trigger();
    QVERIFY(dock->isHidden());
    QCOMPARE(w_->width(), width);
}

void MainWindowTest::windowComesBackWhereItWasClosed() {
    w_->show();
    w_->move(123, 45);
    w_->batchDock()->toggleViewAction()->trigger();
    const QRect placed = w_->geometry();
    w_->close();
    w_ = std::make_unique<rcagui::MainWindow>();
    QCOMPARE(w_->geometry(), placed);
    QVERIFY(!w_->batchDock()->isHidden());
}

void MainWindowTest::helpMenuHasAboutAndTheGuide() {
    QAction* about = w_->findChild<QAction*>("AboutRcalab");
    QAction* guide = w_->findChild<QAction*>("UserGuide");
    QVERIFY(about && guide);
    QMenu* help = qobject_cast<QMenu*>(w_->menuAction("F11")->parent());
    QVERIFY(help->actions().contains(about) && help->actions().contains(guide));
    QString said;
    QTimer::singleShot(0, [&said] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        said = box->text();
        box->accept();
    });
    about->trigger();
    QVERIFY2(said.contains(QStringLiteral("rcalab %1").arg(QLatin1String(rca::programVersion))),
             qPrintable(said));
    QVERIFY(said.contains(QRegularExpression(QStringLiteral("built 20\\d\\d-\\d\\d-\\d\\d"))));
}

void MainWindowTest::theGuideFromTheBuildTreeOrTheInstalledPrefix() {
    // This program sits in the build tree, where no guide is installed.
    const QString fromBuild = rcagui::userGuidePath(QCoreApplication::applicationDirPath());
    QVERIFY2(QFileInfo::exists(fromBuild), qPrintable(fromBuild));
    QVERIFY(fromBuild.endsWith(QStringLiteral("/docs/guide.md")));
    QTemporaryDir prefix;
    const QString installed = prefix.path() + QStringLiteral("/share/doc/rcalab/docs/guide.md");
    QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
    QFile file(installed);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(rcagui::userGuidePath(prefix.path() + QStringLiteral("/bin")), installed);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
