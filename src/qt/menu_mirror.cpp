#include "qt/menu_mirror.h"

#include "qt/translated.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace voltaro {

MenuMirror::MenuMirror(QMenuBar* bar, QWidget* window, TriggerHandler onTrigger)
    : QObject(window), m_window(window), m_onTrigger(std::move(onTrigger)) {
    bar->setFont(QApplication::font());
    for (MenuId id : mainMenuEntries())
        addEntry(bar, id);
    for (MenuId popup : {MenuId::secondpu, MenuId::firstpu, MenuId::parpu, MenuId::battpu}) {
        auto* menu = new QMenu(window);
        menu->setObjectName(QString::fromLatin1(menuName(popup)));
        menu->setFont(QApplication::font());
        m_menus[index(popup)] = menu;
        m_actions[index(popup)] = menu->menuAction();
        addEntries(menu, popup);
    }
}

void MenuMirror::addEntries(QMenu* into, MenuId parent) {
    for (MenuId child : menuChildren(parent))
        addEntry(into, child);
}

QAction* MenuMirror::addEntry(QWidget* into, MenuId id) {
    const MenuDesign& design = menuDesign(id);
    const QString name = QString::fromLatin1(design.name);
    QAction* action = nullptr;
    if (!menuChildren(id).empty()) {
        auto* submenu = new QMenu(translated(designCaption(id)), into);
        submenu->setObjectName(name);
        m_menus[index(id)] = submenu;
        action = submenu->menuAction();
        addEntries(submenu, id);
    } else if (isSeparator(id)) {
        // A separator without text: some styles print a separator's text as a section title.
        action = new QAction(into);
        action->setSeparator(true);
    } else {
        action = new QAction(translated(designCaption(id)), into);
        action->setCheckable(design.checkable);
        if (*design.shortcut) {
            action->setShortcuts(
                QKeySequence::listFromString(QString::fromLatin1(design.shortcut)));
            m_window->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, id] { m_onTrigger(id); });
    }
    action->setObjectName(name);
    into->addAction(action);
    m_actions[index(id)] = action;
    return action;
}

// A menu shows the tool tips of its entries once one of them has its own.
void MenuMirror::showToolTip(MenuId id, QAction* action, const QString& toolTip) {
    action->setToolTip(toolTip);
    const std::optional<MenuId> parent = menuDesign(id).parent;
    if (!toolTip.isEmpty() && parent && m_menus[index(*parent)])
        m_menus[index(*parent)]->setToolTipsVisible(true);
}

void MenuMirror::sync(const Menus& menus) {
    for (int i = 0; i < kMenuCount; ++i) {
        const auto id = static_cast<MenuId>(i);
        const MenuEntry& entry = menus[id];
        QAction* action = m_actions[index(id)];
        if (menuDesign(id).isPopup)
            continue;
        if (!isSeparator(id)) {
            action->setText(translated(entry.caption));
            showToolTip(id, action, translated(entry.toolTip));
        }
        if (action->isCheckable())
            action->setChecked(entry.checked);
        action->setVisible(entry.visible);
        action->setEnabled(entry.enabled);
    }
}

} // namespace voltaro
