#include "gui/dev_hooks.h"

#include "gui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QTimer>
#include <iostream>

namespace rcagui {

namespace {

// Acts as the user would, through the widgets, so the binding is exercised.
void act(MainWindow& w, const QString& step) {
    const int eq = step.indexOf(QLatin1Char('='));
    const QString name = eq < 0 ? step : step.left(eq);
    if (eq >= 0) {
        if (auto* edit = w.findChild<QLineEdit*>(name)) {
            edit->selectAll();
            edit->insert(step.mid(eq + 1)); // emits textEdited like typing
            return;
        }
    } else if (auto* button = w.findChild<QAbstractButton*>(name)) {
        button->click();
        return;
    } else if (auto* action = w.findChild<QAction*>(name)) {
        action->trigger();
        return;
    }
    std::cerr << "rcalab: no control " << step.toStdString() << " to act on\n";
}

void saveAndQuit(MainWindow& w, const QString& path) {
    bool ok = w.grab().save(path, "PNG");
    QDockWidget* dock = w.batchDock();
    if (dock && dock->isVisible()) {
        const QString base = path.endsWith(QStringLiteral(".png")) ? path.chopped(4) : path;
        const QString dockPath = base + QStringLiteral("-dock.png");
        ok = dock->grab().save(dockPath, "PNG") && ok;
    }
    if (!ok) std::cerr << "rcalab: cannot write " << path.toStdString() << '\n';
    QCoreApplication::exit(ok ? 0 : 1);
}

} // namespace

void installDevHooks(MainWindow& window) {
    const QString path = qEnvironmentVariable("RCALAB_SCREENSHOT");
    if (path.isEmpty()) return;
    const QStringList steps = qEnvironmentVariable("RCALAB_SCREENSHOT_CLICKS")
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool ok = false;
    int delay = qEnvironmentVariableIntValue("RCALAB_SCREENSHOT_DELAY_MS", &ok);
    if (!ok || delay < 0) delay = 500;
    MainWindow* w = &window;
    QTimer::singleShot(300, w, [w, steps, delay, path] {
        for (const QString& step : steps) {
            act(*w, step.trimmed());
            QCoreApplication::processEvents();
        }
        QTimer::singleShot(delay, w, [w, path] { saveAndQuit(*w, path); });
    });
}

} // namespace rcagui
