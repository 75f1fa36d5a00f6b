#pragma once
// One window class for every form: its menu, its surface (the form's own
// drawing surface, with mouse events going to the form) and its controls on
// top. The main window puts it in the centre of a QMainWindow; modal forms
// put it in a QDialog.
#include "forms/form.h"

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenuBar;
class QStatusBar;

namespace rcagui {

class CanvasView;
class FormView;
class MenuBinding;

class FormWindow : public QWidget {
  public:
    // Menu items go into `menuBar` under `menuTitles` (in that order, the
    // rest after them). The status-bar control goes into `statusBar` when
    // one is given.
    FormWindow(rca::Form& form, QMenuBar* menuBar, const std::vector<std::string>& menuTitles,
               QStatusBar* statusBar = nullptr, QWidget* parent = nullptr);
    ~FormWindow() override;

    rca::Form& form() const { return form_; }
    CanvasView* surface() const { return surface_; }
    MenuBinding* menus() const { return menus_.get(); }
    // The widget of a control, nullptr while it has none.
    QWidget* controlWidget(const std::string& name) const;
    QAction* menuAction(const std::string& name) const;

  private:
    rca::Form& form_;
    CanvasView* surface_ = nullptr;
    std::unique_ptr<MenuBinding> menus_;
    std::unique_ptr<FormView> view_;
};

} // namespace rcagui
