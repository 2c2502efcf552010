#include "qt/board_accessible.h"

#include "bench/accessible_names.h"
#include "bench/focus_order.h"
#include "qt/board_accessibility.h"
#include "qt/focus_ring.h"
#include "qt/probe_markers.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace voltaro {

BoardAccessible::BoardAccessible(QWidget* panel, BoardAccessibility* board)
    : QAccessibleWidget(panel, QAccessible::Pane), m_board(board) {}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return BoardAccessibility::tr("Circuit board");
    return QAccessibleWidget::text(t);
}

QList<QWidget*> BoardAccessible::widgetChildren() const {
    QList<QWidget*> children;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !qobject_cast<ProbeMarker*>(w) && !qobject_cast<FocusRing*>(w))
            children << w;
    }
    return children;
}

int BoardAccessible::childCount() const {
    const int controls = m_board ? static_cast<int>(m_board->stops().size()) : 0;
    return controls + static_cast<int>(widgetChildren().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || !m_board)
        return nullptr;
    const std::vector<FocusStop> stops = m_board->stops();
    if (index < static_cast<int>(stops.size()))
        return m_board->interfaceOf(stops[static_cast<std::size_t>(index)].control);
    const QList<QWidget*> widgets = widgetChildren();
    const qsizetype at = index - static_cast<qsizetype>(stops.size());
    return at < widgets.size() ? QAccessible::queryAccessibleInterface(widgets[at]) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !m_board)
        return -1;
    const std::vector<FocusStop> stops = m_board->stops();
    if (const auto* control = dynamic_cast<const ControlAccessible*>(child)) {
        const auto at = std::find_if(stops.begin(), stops.end(), [&](const FocusStop& s) {
            return s.control == control->control();
        });
        return at == stops.end() ? -1 : static_cast<int>(at - stops.begin());
    }
    const qsizetype at = widgetChildren().indexOf(qobject_cast<QWidget*>(child->object()));
    return at < 0 ? -1 : static_cast<int>(stops.size() + static_cast<std::size_t>(at));
}

// The child under a point: the last in child order whose box holds it, the panel's widgets
// before the controls. The focus order is built once for the whole search.
QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const auto under = [x, y](QAccessibleInterface* c) { return c && c->rect().contains(x, y); };
    const QList<QWidget*> widgets = widgetChildren();
    for (auto w = widgets.rbegin(); w != widgets.rend(); ++w)
        if (QAccessibleInterface* c = QAccessible::queryAccessibleInterface(*w); under(c))
            return c;
    if (!m_board)
        return nullptr;
    const std::vector<FocusStop> stops = m_board->stops();
    for (auto s = stops.rbegin(); s != stops.rend(); ++s)
        if (QAccessibleInterface* c = m_board->interfaceOf(s->control); under(c))
            return c;
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    if (m_board && widget()->hasFocus())
        if (const std::optional<FocusStop> stop = focusedStop(m_board->bench()))
            return m_board->interfaceOf(stop->control);
    return QAccessibleWidget::focusChild();
}

ControlAccessible::ControlAccessible(BoardAccessibility* board, const BoardControl& control)
    : m_board(board), m_control(control) {}

bool ControlAccessible::isValid() const {
    return m_board && focusStopOf(m_board->bench(), m_control).has_value();
}

QWindow* ControlAccessible::window() const {
    return m_board ? m_board->panel()->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ControlAccessible::parent() const {
    return m_board ? QAccessible::queryAccessibleInterface(m_board->panel()) : nullptr;
}

QString ControlAccessible::text(QAccessible::Text t) const {
    if (!m_board)
        return {};
    if (t == QAccessible::Name)
        return m_board->words(accessibleName(m_board->bench(), m_control));
    if (t == QAccessible::Description)
        return m_board->words(accessibleDescription(m_board->bench(), m_control));
    return {};
}

QRect ControlAccessible::rect() const {
    return m_board ? m_board->screenRect(m_control) : QRect();
}

QAccessible::Role ControlAccessible::role() const {
    const std::optional<FocusStop> stop =
        m_board ? focusStopOf(m_board->bench(), m_control) : std::nullopt;
    if (stop && (stop->role == KeyRole::Drag || stop->role == KeyRole::Lead))
        return QAccessible::Grip;
    return QAccessible::Button;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.focused = m_board && m_board->isFocused(m_control);
    state.invisible = !isValid();
    return state;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList ControlAccessible::actionNames() const {
    return {pressAction(), setFocusAction()};
}

void ControlAccessible::doAction(const QString& actionName) {
    if (!isValid())
        return;
    if (actionName == pressAction())
        m_board->press(m_control);
    else if (actionName == setFocusAction())
        m_board->focus(m_control);
}

QStringList ControlAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction())
        return {QStringLiteral("Return"), QStringLiteral("Space")};
    return {};
}

} // namespace voltaro
