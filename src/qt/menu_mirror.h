#pragma once

#include "model/menus.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace voltaro {

// The menu bar and the four popup menus, built once from the design table: one QAction per
// entry, named after it (a submenu's action and its QMenu both carry the entry's name).
// sync() copies caption, check mark, visibility and enabled state from the workbench.
class MenuMirror : public QObject {
    Q_OBJECT

public:
    using TriggerHandler = std::function<void(MenuId)>;

    MenuMirror(QMenuBar* bar, QWidget* window, TriggerHandler onTrigger);

    void sync(const Menus& menus);

    QAction* action(MenuId id) const { return m_actions[index(id)]; }
    // The QMenu of a popup or submenu; null for a plain entry.
    QMenu* menu(MenuId id) const { return m_menus[index(id)]; }

private:
    static std::size_t index(MenuId id) { return static_cast<std::size_t>(id); }
    void addEntries(QMenu* into, MenuId parent);
    QAction* addEntry(QWidget* into, MenuId id);
    void showToolTip(MenuId id, QAction* action, const QString& toolTip);

    QWidget* m_window;
    TriggerHandler m_onTrigger;
    std::array<QAction*, kMenuCount> m_actions{};
    std::array<QMenu*, kMenuCount> m_menus{};
};

} // namespace voltaro
