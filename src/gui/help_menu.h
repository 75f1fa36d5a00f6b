#pragma once
// Help → 'About rcalab' (the version and the build date) and 'User guide'
// (docs/guide.md, or where it is looked for when it cannot open).
#include <QString>

class QWidget;

namespace rcagui {

class MenuBinding;

void addHelpItems(MenuBinding& menus, QWidget* window);

// What the About box says: the version and the day this program was built.
QString aboutText();
// The guide of a program in programDir: the installed one, found from bin/;
// a program of the build tree reads the one of its source tree.
QString userGuidePath(const QString& programDir);

} // namespace rcagui
