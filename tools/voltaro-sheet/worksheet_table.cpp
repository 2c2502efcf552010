#include "worksheet_table.h"

#include <cmath>

namespace voltaro::sheet {

namespace {

const QString kNoValue = QStringLiteral("-");

} // namespace

QStringList worksheetHeader() {
    return {QStringLiteral("Label"), QStringLiteral("Kind"), QStringLiteral("Voltage (V)"),
            QStringLiteral("Current (A)"), QStringLiteral("Brightness")};
}

QString readableNumber(double value) {
    if (!std::isfinite(value))
        return kNoValue;
    if (std::fabs(value) >= 10000.0)
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 4);
}

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

std::vector<WorksheetRow> worksheetRows(const CircuitAnswer& circuit, bool filled) {
    std::vector<WorksheetRow> rows;
    for (const ElementAnswer& e : circuit.elements) {
        if (e.label.empty())
            continue;
        WorksheetRow row{QString::fromStdString(e.label), kindName(e.record), {}, {}, {}};
        const bool bulb = e.record.switchFlag == 0 && isBulbKind(e.record.kind);
        if (!bulb)
            row.brightness = kNoValue;
        if (filled) {
            row.voltage = readableNumber(e.record.voltage);
            row.current = readableNumber(e.record.current);
            if (bulb)
                row.brightness = QString::number(e.brightness);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace voltaro::sheet
