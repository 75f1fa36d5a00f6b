#pragma once
// Builds the widgets of a form generically from its controls and keeps them
// in step with the core. A control that is hidden gets its widget only when
// it is first shown, so the many hidden controls cost nothing.
#include "forms/form.h"
#include "gui/control_widgets.h"
#include "gui/observations.h"

#include <map>
#include <string>

class QStatusBar;

namespace rcagui {

class FormView {
  public:
    // Widgets go onto `surface` at the controls' geometry; the status-bar
    // control goes into `statusBar` when one is given.
    FormView(rca::Form& form, QWidget* surface, QStatusBar* statusBar = nullptr);
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // The widget of a control, or nullptr while it has none.
    QWidget* widget(const std::string& name) const;

  private:
    void build(rca::Control& c);
    void update(rca::Control& c);
    QWidget* parentFor(const rca::Control& c) const;
    void show(const rca::Control& c, const ControlWidget& cw);

    rca::Form& form_;
    QWidget* surface_;
    QStatusBar* statusBar_;
    std::map<std::string, ControlWidget> widgets_;
    // Last member: observers go before the map they use.
    Observations observations_;
};

} // namespace rcagui
