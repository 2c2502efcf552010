#pragma once

#include "answer_key.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace voltaro::sheet {

// The table of a worksheet page: a row per load and per switch, in the order the board numbers
// them, with the label, the kind and, on an answer page, the voltage, current and brightness.
struct WorksheetRow {
    QString label;
    QString kind;
    QString voltage;
    QString current;
    QString brightness;
};

QStringList worksheetHeader();

// The rows of a circuit; without `filled` the value cells are empty for the pupil to fill in.
// A brightness cell is "-" for an element that is no bulb.
std::vector<WorksheetRow> worksheetRows(const CircuitAnswer& circuit, bool filled);

// A value as a teacher reads it: up to four significant digits, whole numbers from 10000 on,
// "-" for a value that is not a finite number.
QString readableNumber(double value);

// The kind of an element in words: "Resistor", "Bulb #2", "Switch (open)", "Wire"; a load of
// another kind as "Load (kind N)".
QString kindName(const ElementRecord& record);

} // namespace voltaro::sheet
