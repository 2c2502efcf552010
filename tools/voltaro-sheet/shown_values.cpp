#include "shown_values.h"

#include "solver/value_format.h"

#include <cmath>

namespace voltaro::sheet {

namespace {

constexpr double kLeakageCurrent = 1e-6; // amperes
constexpr double kLeakageVoltage = 1e-3; // volts

double unlessLeakage(const CircuitAnswer& circuit, double value, double limit) {
    return circuit.open && std::fabs(value) < limit ? 0.0 : value;
}

std::string cellsText(int count) {
    return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

} // namespace

ShownValues shownValues(const CircuitAnswer& circuit, const ElementAnswer& element) {
    ShownValues shown;
    shown.voltage = unlessLeakage(circuit, element.record.voltage, kLeakageVoltage);
    shown.current = unlessLeakage(circuit, element.record.current, kLeakageCurrent);
    shown.power = shown.voltage * shown.current;
    return shown;
}

double shownTotalCurrent(const CircuitAnswer& circuit) {
    return unlessLeakage(circuit, circuit.totalCurrent, kLeakageCurrent);
}

std::string resistanceText(const ElementRecord& record) {
    if (record.isOpen())
        return "open";
    if (record.isClosedConductor())
        return formatWithPrefix(0.0, Unit::Ohm);
    return formatWithPrefix(record.resistance, Unit::Ohm);
}

std::string totalResistanceText(const CircuitAnswer& circuit) {
    return circuit.open ? "open" : formatWithPrefix(circuit.totalResistance, Unit::Ohm);
}

std::string supplyText(const CircuitAnswer& circuit) {
    const SourceAnswer& s = circuit.source;
    const std::string volts = formatWithPrefix(circuit.supplyVoltage, Unit::Volt);
    if (s.kind == SourceKind::Variable)
        return "Variable supply set to " + volts;
    std::string text = cellsText(s.cellsInSeries) + " of " +
                       formatWithPrefix(s.cellValue, Unit::Volt) + " in series";
    if (s.cellsInParallel > 1)
        text += ", " + std::to_string(s.cellsInParallel) + " such rows in parallel";
    return text + ": " + volts;
}

} // namespace voltaro::sheet
