#include "gui/form_view.h"

#include "forms/tooltips.h"
#include "gui/qt_text.h"

namespace rcagui {

namespace {

bool hasWidget(const rca::Control& c) {
    return c.kind() != rca::Control::Kind::MenuItem && c.kind() != rca::Control::Kind::Timer;
}

} // namespace

FormView::FormView(rca::Form& form, QWidget* surface, QStatusBar* statusBar)
    : form_(form), surface_(surface), statusBar_(statusBar) {
    for (rca::Control* c : form_.controls()) {
        if (!hasWidget(*c)) continue;
        observations_.add(*c, [this, c] { update(*c); });
    }
    for (rca::Control* c : form_.controls())
        build(*c);
}

QWidget* FormView::widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second.widget;
}

QWidget* FormView::parentFor(const rca::Control& c) const {
    if (c.parent().empty()) return surface_;
    const rca::Control* p = form_.find(c.parent());
    // A parent the form does not have: the control sits on the form itself.
    if (!p || p == &c) return surface_;
    return widget(p->name()); // nullptr while the parent is hidden
}

void FormView::build(rca::Control& c) {
    if (!hasWidget(c) || !c.visible() || widgets_.count(c.name())) return;
    QWidget* parent = parentFor(c);
    if (!parent) return;
    ControlWidget cw = makeControlWidget(c, parent, statusBar_);
    if (!cw.widget) return;
    widgets_[c.name()] = cw;
    show(c, cw);
    // Children added before their group waited for it.
    for (rca::Control* child : form_.controls())
        if (child->parent() == c.name()) build(*child);
}

void FormView::show(const rca::Control& c, const ControlWidget& cw) {
    cw.refresh();
    // Rebuilt on each change: a caption such as GO/STOP leads the tooltip.
    cw.widget->setToolTip(qs(rca::tooltip(c)));
    cw.widget->setEnabled(interactive(c));
    cw.widget->setVisible(c.visible());
}

void FormView::update(rca::Control& c) {
    auto it = widgets_.find(c.name());
    if (it == widgets_.end()) {
        build(c);
        return;
    }
    show(c, it->second);
}

} // namespace rcagui
