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
        {QStringLiteral("slot"), e.slot},
        {QStringLiteral("side"), e.at.side},
        {QStringLiteral("lane"), e.at.lane},
        {QStringLiteral("block"), e.at.block},
        {QStringLiteral("branch"), e.at.branch},
        {QStringLiteral("position"), e.at.position},
        {QStringLiteral("code"), r.kind},
        {QStringLiteral("switch"), r.switchFlag != 0},
        {QStringLiteral("open"), r.openFlag != 0},
        {QStringLiteral("wire"), r.wireFlag != 0},
        {QStringLiteral("label"), QString::fromStdString(e.label)},
        {QStringLiteral("resistance"), number(r.resistance)},
        {QStringLiteral("voltage"), number(r.voltage)},
        {QStringLiteral("current"), number(r.current)},
        {QStringLiteral("power"), number(e.power())},
        {QStringLiteral("brightness"), e.brightness},
    };
}

QJsonObject circuitJson(const CircuitAnswer& c) {
    if (c.error)
        return {{QStringLiteral("number"), c.number}, {QStringLiteral("error"), words(*c.error)}};
    QJsonArray elements;
    for (const ElementAnswer& e : c.elements)
        elements.append(elementJson(e));
    return {
        {QStringLiteral("number"), c.number},
        {QStringLiteral("supply_voltage"), number(c.supplyVoltage)},
        {QStringLiteral("total_resistance"), number(c.totalResistance)},
        {QStringLiteral("total_current"), number(c.totalCurrent)},
        {QStringLiteral("elements"), elements},
    };
}

} // namespace

QByteArray answerKeyJson(const AnswerKey& key) {
    QJsonArray circuits;
    for (const CircuitAnswer& c : key.circuits)
        circuits.append(circuitJson(c));
    const QJsonObject root{
        {QStringLiteral("source"), key.set.source},
        {QStringLiteral("explanation"), QJsonArray::fromStringList(key.set.explanation)},
        {QStringLiteral("circuits"), circuits},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace voltaro::sheet
