#include "qt/board_accessibility.h"

#include "app/board_keys.h"
#include "bench/accessible_names.h"
#include "bench/focus_order.h"
#include "bench/workbench.h"
#include "qt/board_accessible.h"
#include "qt/meter_display_accessible.h"
#include "qt/translated.h"

#include <QAccessible>
#include <QLineEdit>
#include <QWidget>

namespace voltaro {

namespace {

const char* const kDisplayName = "currenteb";

QAccessibleInterface* boardInterfaces(const QString&, QObject* object) {
    BoardAccessibility* board = BoardAccessibility::of(object);
    if (!board)
        return nullptr;
    if (object == board->panel())
        return new BoardAccessible(board->panel(), board);
    if (auto* display = qobject_cast<QLineEdit*>(object);
        display && display->objectName() == QLatin1String(kDisplayName))
        return new MeterDisplayAccessible(display, board);
    return nullptr;
}

QWidget* meterDisplay(QWidget* panel) {
    return panel->findChild<QLineEdit*>(QLatin1String(kDisplayName));
}

} // namespace

BoardAccessibility::BoardAccessibility(QWidget* window, QWidget* panel, Workbench& bench,
                                       BoxOnPanel boxOnPanel, AfterEvent afterEvent)
    : QObject(window), m_panel(panel), m_bench(bench), m_boxOnPanel(std::move(boxOnPanel)),
      m_afterEvent(std::move(afterEvent)) {
    setObjectName(QStringLiteral("boardaccessibility"));
    QAccessible::installFactory(boardInterfaces);
}

BoardAccessibility::~BoardAccessibility() {
    for (const auto& [key, iface] : m_interfaces)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

BoardAccessibility* BoardAccessibility::of(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    return widget->window()->findChild<BoardAccessibility*>(QStringLiteral("boardaccessibility"),
                                                            Qt::FindDirectChildrenOnly);
}

std::vector<FocusStop> BoardAccessibility::stops() const {
    return focusOrder(m_bench);
}

QString BoardAccessibility::words(const Text& text) const {
    return translated(text);
}

QRect BoardAccessibility::screenRect(const BoardControl& control) const {
    const QRect box = m_boxOnPanel(control);
    return QRect(m_panel->mapToGlobal(box.topLeft()), box.size());
}

bool BoardAccessibility::isFocused(const BoardControl& control) const {
    const std::optional<FocusStop> stop = focusedStop(m_bench);
    return stop && stop->control == control && m_panel->hasFocus();
}

BoardAccessibility::Key BoardAccessibility::keyOf(const BoardControl& control) {
    return {control.arrowCell, static_cast<int>(control.marker.family), control.marker.index};
}

QAccessibleInterface* BoardAccessibility::interfaceOf(const BoardControl& control) {
    QAccessibleInterface*& iface = m_interfaces[keyOf(control)];
    if (!iface) {
        iface = new ControlAccessible(this, control);
        QAccessible::registerAccessibleInterface(iface);
    }
    return iface;
}

void BoardAccessibility::focus(const BoardControl& control) {
    m_bench.ui.boardFocus = {control, true};
    m_panel->setFocus(Qt::OtherFocusReason);
    m_afterEvent();
}

void BoardAccessibility::press(const BoardControl& control) {
    m_bench.ui.boardFocus = {control, true};
    boardKeyPress(m_bench, BoardKey::Enter, false);
    m_afterEvent();
}

void BoardAccessibility::sync() {
    if (!QAccessible::isActive())
        return;
    const std::optional<FocusStop> stop = focusedStop(m_bench);
    focusChanged(stop ? std::optional(stop->control) : std::nullopt);
    meterChanged();
}

// A screen reader speaks the control that takes the focus, and again when its words change.
void BoardAccessibility::focusChanged(const std::optional<BoardControl>& focused) {
    QString focusWords;
    if (focused)
        focusWords = words(accessibleName(m_bench, *focused)) + QLatin1Char('\n') +
                     words(accessibleDescription(m_bench, *focused));
    const bool moved = focused != m_lastFocused;
    const bool reworded = focusWords != m_lastFocusWords;
    m_lastFocused = focused;
    m_lastFocusWords = focusWords;
    if (!focused || !m_panel->hasFocus())
        return;
    QAccessibleInterface* iface = interfaceOf(*focused);
    if (moved) {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    } else if (reworded) {
        QAccessibleEvent event(iface, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardAccessibility::meterChanged() {
    const QString reading = words(spokenReading(m_bench));
    if (reading == m_lastReading)
        return;
    m_lastReading = reading;
    QWidget* display = meterDisplay(m_panel);
    if (!display)
        return;
    QAccessibleValueChangeEvent value(display, MeterDisplayAccessible::readingValue(m_bench));
    QAccessible::updateAccessibility(&value);
    QAccessibleEvent described(display, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

} // namespace voltaro
