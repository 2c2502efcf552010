#include "worksheet_table.h"

#include "shown_values.h"
#include "solver/value_format.h"

namespace voltaro::sheet {

namespace {

const QString kNoValue = QStringLiteral("-");

QString shown(double value, Unit unit) {
    return QString::fromStdString(formatWithPrefix(value, unit));
}

// The elements that carry a label: the loads and the switches.
template <typename MakeRow>
std::vector<QStringList> labelledRows(const CircuitAnswer& circuit, MakeRow makeRow) {
    std::vector<QStringList> rows;
    for (const ElementAnswer& e : circuit.elements)
        if (!e.label.empty())
            rows.push_back(makeRow(e));
    return rows;
}

} // namespace

QString kindName(const ElementRecord& record) {
    if (record.wireFlag != 0)
        return QStringLiteral("Wire");
    if (record.switchFlag != 0)
        return record.openFlag != 0 ? QStringLiteral("Switch (open)")
                                    : QStringLiteral("Switch (closed)");
    if (record.kind == ElementKind::Resistor)
        return QStringLiteral("Resistor");
    if (isBulbKind(record.kind))
        return QStringLiteral("Bulb #%1").arg(record.kind - ElementKind::Bulb1 + 1);
    return QStringLiteral("Load (kind %1)").arg(record.kind);
}

WorksheetTable pupilTable(const CircuitAnswer& circuit) {
    WorksheetTable table;
    table.header = {QStringLiteral("Label"), QStringLiteral("Kind"), QStringLiteral("Voltage"),
                    QStringLiteral("Current")};
    table.columnShares = {0.14, 0.30, 0.28, 0.28};
    table.rows = labelledRows(circuit, [](const ElementAnswer& e) {
        return QStringList{QString::fromStdString(e.label), kindName(e.record), QString(),
                           QString()};
    });
    return table;
}

WorksheetTable answerTable(const CircuitAnswer& circuit) {
    WorksheetTable table;
    table.header = {QStringLiteral("Label"),      QStringLiteral("Kind"),
                    QStringLiteral("Resistance"), QStringLiteral("Voltage"),
                    QStringLiteral("Current"),    QStringLiteral("Power"),
                    QStringLiteral("Brightness")};
    table.columnShares = {0.09, 0.19, 0.14, 0.14, 0.14, 0.14, 0.16};
    table.rows = labelledRows(circuit, [&circuit](const ElementAnswer& e) {
        const ShownValues values = shownValues(circuit, e);
        return QStringList{QString::fromStdString(e.label),
                           kindName(e.record),
                           QString::fromStdString(resistanceText(e.record)),
                           shown(values.voltage, Unit::Volt),
                           shown(values.current, Unit::Ampere),
                           shown(values.power, Unit::Watt),
                           e.record.isBulb() ? QString::number(e.brightness) : kNoValue};
    });
    return table;
}

} // namespace voltaro::sheet
