#include "gui/gui_host.h"

#include "app/form.h"
#include "gui/file_filter.h"
#include "gui/form_view.h"
#include "gui/menu_binding.h"
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

std::optional<std::string> GuiHost::openFileName(const std::string& filter) {
    return picked(QFileDialog::getOpenFileName(window_, QString(), QString(), toQtFilter(filter)));
}

std::optional<std::string> GuiHost::saveFileName(const std::string& filter) {
    return picked(QFileDialog::getSaveFileName(window_, QString(), QString(), toQtFilter(filter)));
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
    dialog.setWindowTitle(qs(form.caption()));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* surface = new QWidget(&dialog);
    surface->setFixedSize(form.width(), form.height());
    layout->addWidget(surface);

    std::unique_ptr<MenuBinding> menus;
    const auto items = menuItemsOf(form.controls());
    if (!items.empty()) {
        auto* bar = new QMenuBar(&dialog);
        layout->setMenuBar(bar);
        menus = std::make_unique<MenuBinding>(bar, std::vector<std::string>{}, items);
    }
    // Declared after the dialog: the bindings go before its widgets.
    FormView view(form, surface);
    dialog.exec();
}

} // namespace rcagui
