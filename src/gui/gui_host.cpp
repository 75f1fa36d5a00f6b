#include "gui/gui_host.h"

#include "forms/form.h"
#include "gui/file_filter.h"
#include "gui/form_window.h"
#include "gui/qt_text.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTime>
#include <QVBoxLayout>
#include <iostream>
#include <memory>

namespace rcagui {

namespace {

// Notices kept in the notice line's tooltip, so a burst loses none.
constexpr int keptNotices = 10;

std::optional<std::string> picked(const QString& file) {
    if (file.isEmpty()) return std::nullopt;
    return ss(file);
}

} // namespace

void GuiHost::attach(QWidget* window, QLabel* noticeLine) {
    window_ = window;
    noticeLine_ = noticeLine;
}

void GuiHost::setFolder(const std::filesystem::path& folder) {
    folder_ = qs(folder.string());
}

std::optional<std::string> GuiHost::openFileName(const std::string& filter) {
    return picked(QFileDialog::getOpenFileName(window_, QString(), folder_, toQtFilter(filter)));
}

std::optional<std::string> GuiHost::saveFileName(const std::string& filter) {
    return picked(QFileDialog::getSaveFileName(window_, QString(), folder_, toQtFilter(filter)));
}

void GuiHost::message(const std::string& text) {
    if (!noticeLine_) {
        std::cerr << text << '\n';
        return;
    }
    const QString line = QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + qs(text);
    recent_.prepend(line);
    while (recent_.size() > keptNotices)
        recent_.removeLast();
    noticeLine_->setText(line);
    noticeLine_->setToolTip(recent_.join(QLatin1Char('\n')));
}

void GuiHost::showModal(rca::Form& form) {
    QDialog dialog(window_);
    dialog.setObjectName(qs(form.name()));
    dialog.setWindowTitle(qs(form.caption()));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(&dialog);
    layout->setMenuBar(bar);
    auto* window = new FormWindow(form, bar, {}, nullptr, &dialog);
    layout->addWidget(window);
    bar->setVisible(window->menus() != nullptr);
    form.onClose = [&dialog] { dialog.accept(); };
    dialog.exec();
    form.onClose = nullptr;
    form.setShowing(false);
    // The window's bindings go before the core is touched again.
    delete window;
}

} // namespace rcagui
