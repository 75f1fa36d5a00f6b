#include "gui/canvas_view.h"

#include "gui/error_report.h"

#include <QMouseEvent>
#include <QPainter>

namespace rcagui {

namespace {

rca::MouseButton buttonOf(Qt::MouseButton b) {
    if (b == Qt::RightButton) return rca::MouseButton::Right;
    if (b == Qt::MiddleButton) return rca::MouseButton::Middle;
    return rca::MouseButton::Left;
}

// A move carries no button of its own: report the one held down.
Qt::MouseButton heldButton(Qt::MouseButtons held) {
    if (held & Qt::RightButton) return Qt::RightButton;
    if (held & Qt::MiddleButton) return Qt::MiddleButton;
    return Qt::LeftButton;
}

} // namespace

CanvasView::CanvasView(rca::Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setMouseTracking(true);
    if (rca::Canvas* surface = form_.surface())
        surface->onChanged = [this](int x, int y, int w, int h) { update(QRect(x, y, w, h)); };
}

CanvasView::~CanvasView() {
    if (rca::Canvas* surface = form_.surface()) surface->onChanged = nullptr;
}

void CanvasView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QRect r = e->rect();
    const rca::Canvas* surface = form_.surface();
    if (!surface || !surface->image().rect().contains(r))
        p.fillRect(r, rca::toQColor(rca::clBtnFace));
    if (surface) p.drawImage(r.topLeft(), surface->image(), r);
}

void CanvasView::forward(QMouseEvent* e, rca::MouseEvent::Kind kind) {
    const QPoint pos = e->position().toPoint();
    // Events that a child control passed up are not the form's; but a press
    // the form took ends with its release wherever that happens, over a
    // chart or a control too.
    const bool overChild = childAt(pos) != nullptr;
    const bool ours = kind == rca::MouseEvent::Kind::Down ? !overChild : !overChild || pressed_;
    if (kind != rca::MouseEvent::Kind::Move) pressed_ = kind == rca::MouseEvent::Kind::Down && ours;
    if (!ours) return;
    rca::MouseEvent m;
    m.kind = kind;
    m.x = pos.x();
    m.y = pos.y();
    m.button =
        buttonOf(m.kind == rca::MouseEvent::Kind::Move ? heldButton(e->buttons()) : e->button());
    guard([&] { form_.mouse(m); });
}

void CanvasView::mousePressEvent(QMouseEvent* e) {
    forward(e, rca::MouseEvent::Kind::Down);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* e) {
    forward(e, rca::MouseEvent::Kind::Up);
}

void CanvasView::mouseMoveEvent(QMouseEvent* e) {
    forward(e, rca::MouseEvent::Kind::Move);
}

} // namespace rcagui
