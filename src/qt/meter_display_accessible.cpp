#include "qt/meter_display_accessible.h"

#include "bench/accessible_names.h"
#include "bench/speech_texts.h"
#include "bench/workbench.h"
#include "qt/board_accessibility.h"

namespace voltaro {

MeterDisplayAccessible::MeterDisplayAccessible(QWidget* display, BoardAccessibility* board)
    : QAccessibleWidget(display, QAccessible::StaticText), m_board(board) {}

QVariant MeterDisplayAccessible::readingValue(const Workbench& bench) {
    const std::optional<double> shown = shownReading(bench);
    return shown ? QVariant(*shown) : QVariant();
}

QString MeterDisplayAccessible::text(QAccessible::Text t) const {
    if (!m_board)
        return QAccessibleWidget::text(t);
    switch (t) {
    case QAccessible::Name:
        return m_board->words(kMeterDisplay);
    case QAccessible::Description:
    case QAccessible::Value:
        return m_board->words(spokenReading(m_board->bench()));
    default:
        return QAccessibleWidget::text(t);
    }
}

void* MeterDisplayAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant MeterDisplayAccessible::currentValue() const {
    return m_board ? readingValue(m_board->bench()) : QVariant();
}

QVariant MeterDisplayAccessible::maximumValue() const {
    return m_board ? QVariant(meterFullScale(m_board->bench())) : QVariant();
}

QVariant MeterDisplayAccessible::minimumValue() const {
    return m_board ? QVariant(-meterFullScale(m_board->bench())) : QVariant();
}

} // namespace voltaro
