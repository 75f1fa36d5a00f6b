#include "gui/file_filter.h"

#include "gui/qt_text.h"

#include <QStringList>

namespace rcagui {

QString toQtFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // An empty pattern filters nothing out.
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        if (description.isEmpty() && i + 1 >= parts.size()) continue;
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        // "RCA (*.dat)" already names its pattern the way Qt reads it.
        if (description.endsWith(suffix))
            entries << description;
        else if (description.isEmpty())
            entries << suffix;
        else
            entries << description + QLatin1Char(' ') + suffix;
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace rcagui
