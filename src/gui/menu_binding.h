#pragma once
// The main menu: one QAction per core menu item under its menu's title. The
// core decides every check mark; the action only mirrors it.
#include "forms/controls.h"
#include "gui/observations.h"

#include <map>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace rcagui {

class MenuBinding {
  public:
    // Menus appear in the order of `titles`; an item whose menu is not
    // listed opens a menu of its own at the end.
    MenuBinding(QMenuBar* bar, const std::vector<std::string>& titles,
                const std::vector<rca::MenuItem*>& items);
    ~MenuBinding();
    MenuBinding(const MenuBinding&) = delete;
    MenuBinding& operator=(const MenuBinding&) = delete;

    QMenu* menu(const std::string& title) const;
    QAction* action(const std::string& itemName) const;
    // Adds a front-end action at the end of a menu.
    void addExtra(const std::string& title, QAction* action);

  private:
    QMenu* menuFor(const std::string& title);
    // The menu an item goes into: its parent item's submenu, or its menu.
    QMenu* holderOf(const rca::MenuItem& item);
    void refresh(const rca::MenuItem& item, QAction* action);
    void refreshMenus();

    QMenuBar* bar_;
    std::vector<std::pair<std::string, QMenu*>> menus_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> submenus_; // by the name of the item heading each
    Observations observations_;
};

// The menu items of a form, in their order.
std::vector<rca::MenuItem*> menuItemsOf(const std::vector<rca::Control*>& controls);

} // namespace rcagui
