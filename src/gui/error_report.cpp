#include "gui/error_report.h"

#include <QMessageBox>
#include <QPointer>
#include <iostream>

namespace rcagui {

namespace {
int shown = 0;
QPointer<QMessageBox> box;
} // namespace

void showError(const QString& what) {
    ++shown;
    std::cerr << "rcalab: " << what.toStdString() << '\n';
    if (!QApplication::instance()) return;
    if (!box) {
        box = new QMessageBox(QMessageBox::Critical, QStringLiteral("rcalab"), QString(),
                              QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
    }
    box->setText(what);
    box->setInformativeText(shown > 1 ? QStringLiteral("%1 errors so far.").arg(shown) : QString());
    box->show();
}

int errorCount() {
    return shown;
}

bool SafeApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace rcagui
