#pragma once

#include "bench/board_focus.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace voltaro {

class BoardAccessibility;

// The board panel to assistive tools: the controls of the focus order first, as children of
// their own, then the panel's widgets (its boxes and the meter), leaving out the meter leads'
// own widgets, which the controls stand for, and the focus ring.
class BoardAccessible : public QAccessibleWidget {
public:
    BoardAccessible(QWidget* panel, BoardAccessibility* board);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QList<QWidget*> widgetChildren() const;

    QPointer<BoardAccessibility> m_board;
};

// One control of the board: its name and description from the workbench, its box on the
// screen, and its click and focus as actions that go through the keys' dispatch.
class ControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ControlAccessible(BoardAccessibility* board, const BoardControl& control);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    const BoardControl& control() const { return m_control; }

private:
    QPointer<BoardAccessibility> m_board;
    BoardControl m_control;
};

} // namespace voltaro
