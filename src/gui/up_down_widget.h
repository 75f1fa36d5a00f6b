#pragma once
// A pair of arrow buttons, like the original toolkit's up-down spinner. It
// shows no number: the edit field next to it does.
#include <QWidget>

namespace rcagui {

class UpDownWidget : public QWidget {
    Q_OBJECT
  public:
    UpDownWidget(const QString& name, QWidget* parent);

  signals:
    void stepped(bool up);
};

} // namespace rcagui
