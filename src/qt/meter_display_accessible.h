#pragma once

#include <QAccessibleWidget>
#include <QPointer>

namespace voltaro {

class BoardAccessibility;
struct Workbench;

// The meter's display `currenteb` to assistive tools: named "Meter display", described by the
// reading in words ("1.80 volts, 20 volt range", "fuse blown"), and an accessible value, the
// number it shows in the range's unit, whose change raises a value-change event.
class MeterDisplayAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    MeterDisplayAccessible(QWidget* display, BoardAccessibility* board);

    // The number the display shows; none for "---", "--O--" or a blown fuse.
    static QVariant readingValue(const Workbench& bench);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return {}; }

private:
    QPointer<BoardAccessibility> m_board;
};

} // namespace voltaro
