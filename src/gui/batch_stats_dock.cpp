#include "gui/batch_stats_dock.h"

#include "gui/qt_text.h"

#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <utility>

namespace rcagui {

namespace {

const std::pair<const char*, const char*> rows[] = {
    {"Label10", "Trials"},
    {"Label31", "Timeouts"},
    {"Label70", "v = 0"},
    {"Label71", "v >= 1"},
    {"Label72", "Kept (count)"},
    {"Label73", "Kept (average)"},
    {"Label75", "Both at 3"},
    {"Label79", "Changed even (count)"},
    {"Label82", "Changed even (average)"},
    {"Label84", "Changed odd (count)"},
    {"Label85", "Changed odd (average)"},
    {"Label87", "v = 1 (count)"},
    {"Label88", "v = 1 (average)"},
    {"Label89", "v = 2..4 (count)"},
    {"Label93", "v = 2..4 (average)"},
    {"Label94", "v >= 5 (count)"},
    {"Label95", "v >= 5 (average)"},
    {"Label107", "Mask left"},
    {"Label108", "Mask right"},
    {"Label109", "Length min"},
    {"Label110", "Length max"},
};

// A label no batch has written yet still holds its own name.
QString shown(const rca::Control& label) {
    return label.caption() == label.name() ? QStringLiteral("–") : qs(label.caption());
}

} // namespace

BatchStatsDock::BatchStatsDock(const rca::TForm1& form, QWidget* parent)
    : QDockWidget(QStringLiteral("Batch statistics"), parent) {
    setObjectName(QStringLiteral("BatchStatisticsDock"));
    toggleViewAction()->setObjectName(QStringLiteral("BatchStatistics"));
    toggleViewAction()->setText(QStringLiteral("Batch statistics"));
    toggleViewAction()->setToolTip(QStringLiteral(
        "Batch statistics — the counters of the Timer10 batch mode, beside the window"
        " · print Label10 …"));
    auto* body = new QWidget(this);
    auto* layout = new QFormLayout(body);
    for (const auto& [name, title] : rows) {
        rca::Control* label = form.find(name);
        if (!label) continue;
        auto* value = new QLabel(body);
        value->setObjectName(QStringLiteral("stat_") + QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setText(shown(*label));
        value->setToolTip(QStringLiteral("print ") + QLatin1String(name));
        layout->addRow(QString::fromUtf8(title) + QLatin1Char(':'), value);
        observations_.add(*label, [value, label] { value->setText(shown(*label)); });
    }
    setWidget(body);
}

} // namespace rcagui
