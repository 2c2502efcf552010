#pragma once

#include "answer_key.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace voltaro::sheet {

// The tables of a worksheet: a row per load and per switch, in the order the board numbers
// them. The pupil's table has the label and the kind and empty cells for the voltage and the
// current; the answer key's has them filled in, with the resistance, the power and a bulb's
// brightness ("-" for an element that is no bulb), values as people read them.
struct WorksheetTable {
    QStringList header;
    std::vector<double> columnShares; // of the table's width, one per column
    std::vector<QStringList> rows;
};

WorksheetTable pupilTable(const CircuitAnswer& circuit);
WorksheetTable answerTable(const CircuitAnswer& circuit);

// The kind of an element in words: "Resistor", "Bulb #2", "Switch (open)", "Wire"; a load of
// another kind as "Load (kind N)".
QString kindName(const ElementRecord& record);

} // namespace voltaro::sheet
