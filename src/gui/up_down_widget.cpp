#include "gui/up_down_widget.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace rcagui {

UpDownWidget::UpDownWidget(const QString& name, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (bool up : {true, false}) {
        auto* b = new QToolButton(this);
        b->setObjectName(name + (up ? "_up" : "_down"));
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setMinimumSize(1, 1);
        layout->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, up] { emit stepped(up); });
    }
}

} // namespace rcagui
