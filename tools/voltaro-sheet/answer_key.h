#pragma once

#include "circuit_set.h"
#include "model/circuit_tables.h"
#include "model/failure.h"

#include <QImage>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace voltaro::sheet {

// One element in use, with what the solver gave it.
struct ElementAnswer {
    SlotAddress at;
    int slot = 0;
    ElementRecord record; // flags, kind, resistance, and the solved voltage and current
    std::string label;    // what "Label loads" names it: "R1", "L2", "S1", or ""
    int brightness = 0;   // as the paint computes it

    double power() const { return record.voltage * record.current; }
};

// One circuit of a set, read and solved, or the failure of its description.
struct CircuitAnswer {
    int number = 0;
    std::optional<Failure> error;
    double supplyVoltage = 0.0;
    double totalResistance = 0.0;
    double totalCurrent = 0.0;
    std::vector<ElementAnswer> elements; // in the walk order
};

// The answers of a set: the circuits asked for, in order.
struct AnswerKey {
    const CircuitSet& set;
    std::vector<CircuitAnswer> circuits;

    bool allRead() const;
};

// Circuit `number` of the set as the program reads it after a load, with the meter off: read,
// laid out, solved and painted. The board's pixels go into `board` when one is given.
CircuitAnswer readCircuitAnswer(const CircuitSet& set, int number, QImage* board);

} // namespace voltaro::sheet
