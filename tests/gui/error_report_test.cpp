// An exception out of a command is shown and the session goes on.
#include "forms/controls.h"
#include "gui/error_report.h"
#include "gui/form_view.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

namespace {

class OneButton : public rca::Form {
  public:
    OneButton() : Form("OneButton", "Test", 200, 100), button(add<rca::Button>("Throw", "throw")) {
        button.place("", {10, 10, 80, 26});
    }
    rca::Button& button;
};

QMessageBox* errorBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

} // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT

  private slots:
    void throwingCommandIsShownNotFatal();
    void exceptionEscapingAnEventIsCaught();
};

void ErrorReportTest::throwingCommandIsShownNotFatal() {
    OneButton form;
    int runs = 0;
    form.button.onClick = [&] {
        ++runs;
        throw std::runtime_error("cannot open CA/ca.dat");
    };
    QWidget surface;
    rcagui::FormView view(form, &surface);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    auto* button = qobject_cast<QPushButton*>(view.widget("Throw"));

    const int before = rcagui::errorCount();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(runs, 2);
    QCOMPARE(rcagui::errorCount(), before + 2);
    QMessageBox* box = errorBox();
    QVERIFY(box);
    QVERIFY(!box->isModal());
    QCOMPARE(box->text(), QStringLiteral("cannot open CA/ca.dat"));
    // Both errors share one box.
    int boxes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        boxes += qobject_cast<QMessageBox*>(w) && w->isVisible();
    QCOMPARE(boxes, 1);
    box->close();
}

void ErrorReportTest::exceptionEscapingAnEventIsCaught() {
    struct Thrower : QObject {
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw std::logic_error("escaped");
            return QObject::event(e);
        }
    } thrower;
    const int before = rcagui::errorCount();
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &e);
    QCOMPARE(rcagui::errorCount(), before + 1);
    QVERIFY(errorBox());
    QCOMPARE(errorBox()->text(), QStringLiteral("escaped"));
    errorBox()->close();
}

// The test needs the application that catches, not QTest's plain one.
int main(int argc, char** argv) {
    rcagui::SafeApplication app(argc, argv);
    ErrorReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "error_report_test.moc"
