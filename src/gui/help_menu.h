#pragma once
// Help → 'About rcalab' (the version and the build date) and 'User guide'
// (the installed copy of docs/guide.md, or where it is when it cannot open).
#include <QString>

class QWidget;

namespace rcagui {

class MenuBinding;

void addHelpItems(MenuBinding& menus, QWidget* window);

// What the About box says: the version and the day this program was built.
QString aboutText();
// The installed guide, found from the program's own folder.
QString installedGuidePath();

} // namespace rcagui
