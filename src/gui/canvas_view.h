#pragma once
// Shows a form's drawing surface at (0, 0) and hands mouse events over the
// free area to the form. The image is the only copy of the picture, so every
// repaint shows what the core drew. A form without a surface shows its face
// colour.
#include "forms/form.h"

#include <QWidget>
#include <string>

namespace rcagui {

class CanvasView : public QWidget {
    Q_OBJECT

  public:
    CanvasView(rca::Form& form, QWidget* parent = nullptr);
    ~CanvasView() override;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    void forward(QMouseEvent* e, rca::MouseEvent::Kind kind);

    rca::Form& form_;
    bool pressed_ = false; // the form took the last press and no release yet
};

} // namespace rcagui
