#include "gui/help_menu.h"

#include "gui/menu_binding.h"
#include "state/version.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace rcagui {

QString aboutText() {
    // __DATE__ is "Mmm dd yyyy", with a blank before a one-digit day.
    const QDate built =
        QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return QStringLiteral("<b>rcalab %1</b><br>built %2<br><br>"
                          "A research workbench for a reversible one-dimensional cellular"
                          " automaton with three cell states.")
        .arg(QLatin1String(rca::programVersion), built.toString(Qt::ISODate));
}

namespace {

bool isInside(const QString& dir, const QString& tree) {
    const QString d = QFileInfo(dir).canonicalFilePath();
    const QString t = QFileInfo(tree).canonicalFilePath();
    return !t.isEmpty() && (d == t || d.startsWith(t + QLatin1Char('/')));
}

void openGuide(QWidget* window) {
    const QString guide = userGuidePath(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(guide) && QDesktopServices::openUrl(QUrl::fromLocalFile(guide))) return;
    QMessageBox::information(
        window, QStringLiteral("User guide"),
        QStringLiteral("The user guide is docs/guide.md of the source, looked for as %1%2.")
            .arg(QDir::toNativeSeparators(guide),
                 QFileInfo::exists(guide) ? QStringLiteral(" (no program here opens it)")
                                          : QStringLiteral(" (not installed here)")));
}

} // namespace

QString userGuidePath(const QString& programDir) {
    // The programs live in bin/ of the prefix, the docs in its doc folder.
    const QString installed =
        QDir::cleanPath(programDir + QStringLiteral("/" RCALAB_DOCS_FROM_BIN "/docs/guide.md"));
    if (!QFileInfo::exists(installed) && isInside(programDir, QStringLiteral(RCALAB_BUILD_TREE)))
        return QStringLiteral(RCALAB_SOURCE_TREE "/docs/guide.md");
    return installed;
}

void addHelpItems(MenuBinding& menus, QWidget* window) {
    auto* guide = new QAction(QStringLiteral("User guide"), window);
    guide->setObjectName(QStringLiteral("UserGuide"));
    guide->setToolTip(QStringLiteral("User guide — open docs/guide.md"));
    QObject::connect(guide, &QAction::triggered, window, [window] { openGuide(window); });
    menus.addExtra("Help", guide);
    auto* about = new QAction(QStringLiteral("About rcalab"), window);
    about->setObjectName(QStringLiteral("AboutRcalab"));
    about->setMenuRole(QAction::AboutRole);
    about->setToolTip(QStringLiteral("About rcalab — the version and the build date"));
    QObject::connect(about, &QAction::triggered, window, [window] {
        QMessageBox::about(window, QStringLiteral("About rcalab"), aboutText());
    });
    menus.addExtra("Help", about);
}

} // namespace rcagui
