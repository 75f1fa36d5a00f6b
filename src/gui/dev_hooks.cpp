#include "gui/dev_hooks.h"

#include "gui/canvas_view.h"
#include "gui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDockWidget>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <iostream>

namespace rcagui {

namespace {

QWidget* windowOf(MainWindow& w, const QString& form) {
    return form == QLatin1String("TForm1") ? static_cast<QWidget*>(&w)
                                           : w.findChild<QDialog*>(form);
}

QWidget* surfaceOf(MainWindow& w, const QString& form) {
    QWidget* top = windowOf(w, form);
    return top ? top->findChild<CanvasView*>() : nullptr;
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, {});
    QCoreApplication::sendEvent(target, &e);
}

// "TForm6@x:y" clicks at a point of a form's surface ("@x:y:r" with the
// right button); "TForm6@x:y>x2:y2" drags from one point to the other.
bool mouseStep(MainWindow& w, const QString& step) {
    const int at = step.indexOf(QLatin1Char('@'));
    if (at < 0) return false;
    QWidget* surface = surfaceOf(w, step.left(at));
    const QStringList ends = step.mid(at + 1).split(QLatin1Char('>'));
    const QStringList from = ends[0].split(QLatin1Char(':'));
    const QStringList to = ends.value(1, ends[0]).split(QLatin1Char(':'));
    if (!surface || from.size() < 2 || to.size() < 2) return false;
    const Qt::MouseButton button =
        from.value(2) == QLatin1String("r") ? Qt::RightButton : Qt::LeftButton;
    sendMouse(surface, QEvent::MouseButtonPress, QPoint(from[0].toInt(), from[1].toInt()), button);
    sendMouse(surface, QEvent::MouseButtonRelease, QPoint(to[0].toInt(), to[1].toInt()), button);
    return true;
}

// "print:Edit1" writes "Edit1=TEXT" (a field) or "CheckBox4=1" (a button's
// check) to standard output, so a script can see what the window holds.
bool printStep(MainWindow& w, const QString& step) {
    if (!step.startsWith(QLatin1String("print:"))) return false;
    const QString name = step.mid(6);
    std::cout << name.toStdString() << '=';
    if (auto* edit = w.findChild<QLineEdit*>(name))
        std::cout << edit->text().toStdString();
    else if (auto* button = w.findChild<QAbstractButton*>(name))
        std::cout << button->isChecked();
    else
        std::cout << "(no such control)";
    std::cout << std::endl;
    return true;
}

// Acts as the user would, through the widgets, so the binding is exercised.
// "TForm15.Edit1=3" looks only in that window, where names could clash.
void act(MainWindow& w, const QString& step) {
    if (mouseStep(w, step) || printStep(w, step)) return;
    const int eq = step.indexOf(QLatin1Char('='));
    QString name = eq < 0 ? step : step.left(eq);
    QWidget* root = &w;
    if (const int dot = name.indexOf(QLatin1Char('.')); dot > 0) {
        root = windowOf(w, name.left(dot));
        name = name.mid(dot + 1);
    }
    if (!root) {
        std::cerr << "rcalab: no open window for " << step.toStdString() << '\n';
        return;
    }
    if (eq >= 0) {
        if (auto* edit = root->findChild<QLineEdit*>(name)) {
            edit->selectAll();
            edit->insert(step.mid(eq + 1)); // emits textEdited like typing
            return;
        }
    } else if (auto* button = root->findChild<QAbstractButton*>(name)) {
        button->click();
        return;
    } else if (auto* action = root->findChild<QAction*>(name)) {
        action->trigger();
        return;
    }
    std::cerr << "rcalab: no control " << step.toStdString() << " to act on\n";
}

void saveAndQuit(MainWindow& w, const QString& path) {
    bool ok = w.grab().save(path, "PNG");
    const QString base = path.endsWith(QStringLiteral(".png")) ? path.chopped(4) : path;
    // A modal window that is open goes beside it, named for its form.
    if (QWidget* modal = QApplication::activeModalWidget())
        ok =
            modal->grab().save(base + QLatin1Char('-') + modal->objectName() + ".png", "PNG") && ok;
    QDockWidget* dock = w.batchDock();
    if (dock && dock->isVisible()) {
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
    // One timer per step: a step that opens a modal window blocks in its
    // event loop, where the later steps and the grab still run.
    constexpr int stepGap = 200;
    int when = 300;
    for (const QString& step : steps) {
        // "wait:MS" lets a run go on for MS before the next step.
        if (step.trimmed().startsWith(QLatin1String("wait:"))) {
            when += std::max(0, step.trimmed().mid(5).toInt());
            continue;
        }
        QTimer::singleShot(when, w, [w, step] { act(*w, step.trimmed()); });
        when += stepGap;
    }
    QTimer::singleShot(when + delay, w, [w, path] { saveAndQuit(*w, path); });
}

} // namespace rcagui
