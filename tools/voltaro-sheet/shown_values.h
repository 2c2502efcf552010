#pragma once

#include "answer_key.h"

#include <string>

namespace voltaro::sheet {

// The values of an element as the outputs for people show them. While a side is open, what the
// solver gives the rest of the circuit is leakage through the open side's stand-in resistance:
// currents below 1 µA and voltages below 1 mV are shown as 0 (the JSON keeps them).
struct ShownValues {
    double voltage = 0.0;
    double current = 0.0;
    double power = 0.0;
};
ShownValues shownValues(const CircuitAnswer& circuit, const ElementAnswer& element);
double shownTotalCurrent(const CircuitAnswer& circuit);

// The note under a circuit whose leakage is shown as 0.
inline constexpr const char* kOpenCircuitNote = "open circuit: no current flows";

// Resistances as people read them: a load's value ("12.0 Ω"), "0 Ω" for a closed switch or a
// wire, "open" for an open switch and for the total of an open circuit.
std::string resistanceText(const ElementRecord& record);
std::string totalResistanceText(const CircuitAnswer& circuit);

// What the pupil needs besides the board: "2 cells of 1.50 V in series: 3.00 V",
// "Variable supply set to 5.00 V".
std::string supplyText(const CircuitAnswer& circuit);

} // namespace voltaro::sheet
