#pragma once
// Exceptions that escape a command are shown, never swallowed and never
// fatal: the session keeps running and the user sees what went wrong.
#include <QApplication>
#include <QString>
#include <exception>

namespace rcagui {

// Shows `what` in one non-modal error box (reused, so a timer that throws on
// every tick does not pile up windows) and on standard error.
void showError(const QString& what);
// How many errors have been shown since start.
int errorCount();

// Runs a user action or a timer tick; an exception becomes an error notice.
template <class Fn> void guard(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(QStringLiteral("unknown error"));
    }
}

// The last line of defence for anything that escapes an event handler.
class SafeApplication : public QApplication {
  public:
    SafeApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace rcagui
