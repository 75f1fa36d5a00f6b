#include "gui/menu_binding.h"

#include "forms/tooltips.h"
#include "gui/control_widgets.h"
#include "gui/error_report.h"
#include "gui/qt_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace rcagui {

MenuBinding::MenuBinding(QMenuBar* bar, const std::vector<std::string>& titles,
                         const std::vector<rca::MenuItem*>& items)
    : bar_(bar) {
    for (const std::string& t : titles)
        menuFor(t);
    for (rca::MenuItem* item : items)
        if (!item->parentItem().empty()) submenus_[item->parentItem()] = nullptr;
    for (rca::MenuItem* item : items) {
        QMenu* menu = holderOf(*item);
        QAction* action = nullptr;
        if (auto sub = submenus_.find(item->name()); sub != submenus_.end()) {
            sub->second = menu->addMenu(qs(item->caption()));
            action = sub->second->menuAction();
        } else {
            action = new QAction(menu);
            menu->addAction(action);
        }
        action->setObjectName(qs(item->name()));
        actions_[item->name()] = action;
        // A checkable action has toggled itself before `triggered`; undo that
        // unless the handler agrees.
        QObject::connect(action, &QAction::triggered, action, [this, item, action] {
            guard([&] { item->userClick(); });
            refresh(*item, action);
        });
        observations_.add(*item, [this, item, action] {
            refresh(*item, action);
            refreshMenus();
        });
        refresh(*item, action);
    }
    refreshMenus();
}

MenuBinding::~MenuBinding() {
    // The actions live on with the menu bar; they must not call back here.
    for (auto& [name, action] : actions_)
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
}

QMenu* MenuBinding::menuFor(const std::string& title) {
    if (QMenu* m = menu(title)) return m;
    QMenu* m = bar_->addMenu(qs(title));
    m->setToolTipsVisible(true);
    menus_.emplace_back(title, m);
    return m;
}

QMenu* MenuBinding::holderOf(const rca::MenuItem& item) {
    auto sub = submenus_.find(item.parentItem());
    if (sub != submenus_.end() && sub->second) return sub->second;
    return menuFor(item.menu());
}

QMenu* MenuBinding::menu(const std::string& title) const {
    for (const auto& [t, m] : menus_)
        if (t == title) return m;
    return nullptr;
}

QAction* MenuBinding::action(const std::string& itemName) const {
    auto it = actions_.find(itemName);
    return it == actions_.end() ? nullptr : it->second;
}

void MenuBinding::addExtra(const std::string& title, QAction* action) {
    menuFor(title)->addAction(action);
    refreshMenus();
}

void MenuBinding::refresh(const rca::MenuItem& item, QAction* action) {
    QSignalBlocker block(action);
    // "-" is the original toolkit's separator line.
    action->setSeparator(item.caption() == "-");
    action->setText(qs(item.caption()));
    action->setToolTip(qs(rca::tooltip(item)));
    action->setVisible(item.visible());
    action->setEnabled(interactive(item));
    action->setCheckable(item.checkable());
    action->setChecked(item.checkable() && item.checked());
}

void MenuBinding::refreshMenus() {
    for (const auto& [title, menu] : menus_) {
        bool any = false;
        for (QAction* a : menu->actions())
            any = any || (a->isVisible() && !a->isSeparator());
        menu->menuAction()->setEnabled(any);
    }
}

std::vector<rca::MenuItem*> menuItemsOf(const std::vector<rca::Control*>& controls) {
    std::vector<rca::MenuItem*> out;
    for (rca::Control* c : controls)
        if (auto* m = dynamic_cast<rca::MenuItem*>(c)) out.push_back(m);
    return out;
}

} // namespace rcagui
