#include "gui/control_widgets.h"

#include "gui/chart_widget.h"

#include "forms/canvas.h"
#include "gui/error_report.h"
#include "gui/qt_text.h"
#include "gui/up_down_widget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <vector>

namespace rcagui {

namespace {

using rca::Control;

void place(QWidget* w, const Control& c) {
    const rca::Geometry& g = c.geometry();
    w->setGeometry(g.x, g.y, g.w, g.h);
}

// Labels size themselves to their text, as the original toolkit's did.
void fitLabel(QLabel* l, const Control& c) {
    const rca::Geometry& g = c.geometry();
    const QSize hint = l->sizeHint();
    l->resize(std::max(g.w, hint.width()), std::max(g.h, hint.height()));
}

ControlWidget makeEdit(rca::Edit& e, QWidget* parent) {
    auto* w = new QLineEdit(parent);
    place(w, e);
    auto refresh = [w, &e] {
        const QString text = qs(e.text());
        if (w->text() == text) return; // keep the cursor while the user types
        QSignalBlocker block(w);
        w->setText(text);
    };
    QObject::connect(w, &QLineEdit::textEdited, w, [&e, refresh](const QString& text) {
        guard([&] { e.userType(ss(text)); });
        refresh();
    });
    return {w, refresh};
}

ControlWidget makeCheckBox(rca::CheckBox& b, QWidget* parent) {
    auto* w = new QCheckBox(parent);
    place(w, b);
    auto refresh = [w, &b] {
        QSignalBlocker block(w);
        w->setText(qs(b.caption()));
        w->setChecked(b.checked());
    };
    // Qt has already toggled the box; the core decides what it shows.
    QObject::connect(w, &QCheckBox::clicked, w, [&b, refresh] {
        guard([&] { b.userClick(); });
        refresh();
    });
    return {w, refresh};
}

// Items fill the box below its title in rows; when the box is too low for
// one item per row they share rows, as a radio group with columns does.
void layoutRadios(QGroupBox* box, const std::vector<QRadioButton*>& radios, const Control& c) {
    constexpr int rowHeight = 18, side = 6;
    const int n = static_cast<int>(radios.size());
    if (n == 0) return;
    const int top = box->fontMetrics().height();
    const int free = std::max(1, c.geometry().h - top);
    const int rows = std::clamp(free / rowHeight, 1, n);
    const int height = std::min(rowHeight, free / rows);
    const int columns = (n + rows - 1) / rows;
    const int columnWidth = std::max(1, (box->width() - 2 * side) / columns);
    for (int i = 0; i < n; ++i)
        radios[i]->setGeometry(side + (i / rows) * columnWidth, top + (i % rows) * height,
                               columnWidth, height);
}

ControlWidget makeRadioGroup(rca::RadioGroup& g, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    place(box, g);
    std::vector<QRadioButton*> radios;
    for (int i = 0; i < static_cast<int>(g.items().size()); ++i) {
        auto* r = new QRadioButton(qs(g.items()[i]), box);
        r->setObjectName(qs(g.name() + "_" + std::to_string(i)));
        // The core may select nothing, which exclusive buttons cannot show.
        r->setAutoExclusive(false);
        radios.push_back(r);
    }
    layoutRadios(box, radios, g);
    auto refresh = [box, radios, &g] {
        box->setTitle(qs(g.caption()));
        for (int i = 0; i < static_cast<int>(radios.size()); ++i) {
            QSignalBlocker block(radios[i]);
            radios[i]->setChecked(i == g.itemIndex());
        }
    };
    for (int i = 0; i < static_cast<int>(radios.size()); ++i)
        QObject::connect(radios[i], &QRadioButton::clicked, box, [&g, i, refresh] {
            guard([&] { g.userSelect(i); });
            refresh();
        });
    return {box, refresh};
}

ControlWidget makeUpDown(rca::UpDown& u, QWidget* parent) {
    auto* w = new UpDownWidget(qs(u.name()), parent);
    place(w, u);
    QObject::connect(w, &UpDownWidget::stepped, w,
                     [&u](bool up) { guard([&] { u.userClick(up); }); });
    return {w, [] {}};
}

ControlWidget makeLabel(rca::Label& l, QWidget* parent) {
    auto* w = new QLabel(parent);
    place(w, l);
    if (l.fontSize() > 0) {
        QFont font = w->font();
        font.setPointSize(l.fontSize());
        w->setFont(font);
    }
    auto refresh = [w, &l] {
        w->setText(qs(l.caption()));
        fitLabel(w, l);
    };
    return {w, refresh};
}

ControlWidget makeButton(rca::Button& b, QWidget* parent) {
    auto* w = new QPushButton(parent);
    place(w, b);
    auto refresh = [w, &b] { w->setText(qs(b.caption())); };
    QObject::connect(w, &QPushButton::clicked, w, [&b] { guard([&] { b.userClick(); }); });
    return {w, refresh};
}

ControlWidget makeGroupBox(rca::GroupBox& g, QWidget* parent) {
    auto* w = new QGroupBox(parent);
    place(w, g);
    w->setAutoFillBackground(true);
    auto refresh = [w, &g] {
        w->setTitle(qs(g.caption()));
        QPalette p = w->palette();
        p.setColor(QPalette::Window, rca::toQColor(g.color()));
        w->setPalette(p);
    };
    return {w, refresh};
}

ControlWidget makeStatusText(rca::StatusBar& s, QWidget* parent, QStatusBar* bar) {
    auto* w = new QLabel(parent);
    if (bar) {
        bar->addWidget(w, 1);
    } else {
        place(w, s);
        w->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    auto refresh = [w, &s] { w->setText(qs(s.text())); };
    return {w, refresh};
}

} // namespace

bool interactive(const rca::Control& c) {
    if (!c.enabled()) return false;
    switch (c.kind()) {
    case Control::Kind::Edit:
        return static_cast<bool>(static_cast<const rca::Edit&>(c).onChange);
    case Control::Kind::CheckBox:
        return static_cast<bool>(static_cast<const rca::CheckBox&>(c).onClick);
    case Control::Kind::RadioGroup:
        return static_cast<bool>(static_cast<const rca::RadioGroup&>(c).onClick);
    case Control::Kind::UpDown:
        return static_cast<bool>(static_cast<const rca::UpDown&>(c).onClick);
    case Control::Kind::Button:
        return static_cast<bool>(static_cast<const rca::Button&>(c).onClick);
    case Control::Kind::MenuItem:
        return static_cast<bool>(static_cast<const rca::MenuItem&>(c).onClick);
    default:
        return true;
    }
}

ControlWidget makeControlWidget(rca::Control& c, QWidget* parent, QStatusBar* statusBar) {
    ControlWidget out;
    switch (c.kind()) {
    case Control::Kind::Edit:
        out = makeEdit(static_cast<rca::Edit&>(c), parent);
        break;
    case Control::Kind::CheckBox:
        out = makeCheckBox(static_cast<rca::CheckBox&>(c), parent);
        break;
    case Control::Kind::RadioGroup:
        out = makeRadioGroup(static_cast<rca::RadioGroup&>(c), parent);
        break;
    case Control::Kind::UpDown:
        out = makeUpDown(static_cast<rca::UpDown&>(c), parent);
        break;
    case Control::Kind::Label:
        out = makeLabel(static_cast<rca::Label&>(c), parent);
        break;
    case Control::Kind::Button:
        out = makeButton(static_cast<rca::Button&>(c), parent);
        break;
    case Control::Kind::GroupBox:
        out = makeGroupBox(static_cast<rca::GroupBox&>(c), parent);
        break;
    case Control::Kind::StatusBar:
        out = makeStatusText(static_cast<rca::StatusBar&>(c), parent, statusBar);
        break;
    case Control::Kind::Panel:
        out = makePanel(static_cast<rca::Panel&>(c), parent);
        break;
    case Control::Kind::Chart:
        out = makeChart(static_cast<rca::Chart&>(c), parent);
        break;
    default:
        return {};
    }
    out.widget->setObjectName(qs(c.name()));
    return out;
}

} // namespace rcagui
