#pragma once
// One Qt widget per core control, built from the control's kind. The widget
// never holds state of its own: `refresh` copies the core's state into it
// with signals blocked, and user input goes to the control's user methods.
#include "forms/controls.h"

#include <QWidget>
#include <functional>

class QStatusBar;

namespace rcagui {

struct ControlWidget {
    QWidget* widget = nullptr;
    // Copies what this kind of control shows (text, check, selection, colour).
    std::function<void()> refresh;
};

// Menu items and timers have no widget here; nor has a kind this view does
// not know. With a `statusBar`, a status-bar control becomes its text.
ControlWidget makeControlWidget(rca::Control& c, QWidget* parent, QStatusBar* statusBar);

// Whether the user can act on the control: enabled, and something listens.
bool interactive(const rca::Control& c);

} // namespace rcagui
