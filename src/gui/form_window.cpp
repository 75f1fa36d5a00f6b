#include "gui/form_window.h"

#include "gui/canvas_view.h"
#include "gui/form_view.h"
#include "gui/menu_binding.h"

#include <QVBoxLayout>

namespace rcagui {

FormWindow::FormWindow(rca::Form& form, QMenuBar* menuBar,
                       const std::vector<std::string>& menuTitles, QStatusBar* statusBar,
                       QWidget* parent)
    : QWidget(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    surface_ = new CanvasView(form_, this);
    // A dialog is exactly its form's size; the main window may be resized.
    if (!statusBar) surface_->setFixedSize(form_.width(), form_.height());
    layout->addWidget(surface_);
    const auto items = menuItemsOf(form_.controls());
    if (menuBar && !items.empty())
        menus_ = std::make_unique<MenuBinding>(menuBar, menuTitles, items);
    view_ = std::make_unique<FormView>(form_, surface_, statusBar);
}

FormWindow::~FormWindow() {
    // Observers go before the widgets they touch.
    view_.reset();
    menus_.reset();
}

QWidget* FormWindow::controlWidget(const std::string& name) const {
    return view_->widget(name);
}

QAction* FormWindow::menuAction(const std::string& name) const {
    return menus_ ? menus_->action(name) : nullptr;
}

} // namespace rcagui
