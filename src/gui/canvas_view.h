#pragma once
// Shows the core's drawing surface at (0, 0) and hands mouse events over
// the free area to the core. The image is the only copy of the picture, so
// every repaint shows what the core drew.
#include "app/workbench.h"

#include <QWidget>
#include <string>

namespace rcagui {

class CanvasView : public QWidget {
  public:
    // `form` names the form whose mouse handler receives the events.
    CanvasView(rca::Workbench& wb, std::string form, QWidget* parent = nullptr);
    ~CanvasView() override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    void forward(QMouseEvent* e, rca::MouseEvent::Kind kind);

    rca::Workbench& wb_;
    std::string form_;
};

} // namespace rcagui
