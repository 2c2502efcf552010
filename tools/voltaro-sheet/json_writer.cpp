#include "json_writer.h"

#include "tool_failure.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace voltaro::sheet {

namespace {

QJsonValue number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject elementJson(const ElementAnswer& e) {
    const ElementRecord& r = e.record;
    return {
        {"slot", e.slot},
        {"side", e.at.side},
        {"lane", e.at.lane},
        {"block", e.at.block},
        {"branch", e.at.branch},
        {"position", e.at.position},
        {"code", r.kind},
        {"switch", r.switchFlag != 0},
        {"open", r.openFlag != 0},
        {"wire", r.wireFlag != 0},
        {"label", QString::fromStdString(e.label)},
        {"resistance", number(r.resistance)},
        {"voltage", number(r.voltage)},
        {"current", number(r.current)},
        {"power", number(e.power())},
        {"brightness", e.brightness},
    };
}

QJsonObject circuitJson(const CircuitAnswer& c) {
    if (c.error)
        return {{"number", c.number}, {"error", words(*c.error)}};
    QJsonArray elements;
    for (const ElementAnswer& e : c.elements)
        elements.append(elementJson(e));
    return {
        {"number", c.number},
        {"supply_voltage", number(c.supplyVoltage)},
        {"total_resistance", number(c.totalResistance)},
        {"total_current", number(c.totalCurrent)},
        {"elements", elements},
    };
}

} // namespace

QByteArray answerKeyJson(const AnswerKey& key) {
    QJsonArray circuits;
    for (const CircuitAnswer& c : key.circuits)
        circuits.append(circuitJson(c));
    const QJsonObject root{
        {"source", key.set.source},
        {"explanation", QJsonArray::fromStringList(key.set.explanation)},
        {"circuits", circuits},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace voltaro::sheet
