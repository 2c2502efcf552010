#pragma once

#include "bench/workbench.h"
#include "circuit_set.h"
#include "model/circuit_tables.h"
#include "model/failure.h"
#include "model/source_settings.h"
#include "view/board_drawing.h"

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

// The source a circuit is read with: what the pupil needs to work the circuit out.
struct SourceAnswer {
    SourceKind kind = SourceKind::Cells;
    int cellsInSeries = 0;
    int cellsInParallel = 0;
    double cellValue = 0.0;
};

// One circuit of a set, read and solved, or the failure of its description.
struct CircuitAnswer {
    int number = 0;
    std::optional<Failure> error;
    SourceAnswer source;
    double supplyVoltage = 0.0;
    double totalResistance = 0.0;
    double totalCurrent = 0.0;
    bool open = false; // a side is open: what flows is leakage through its stand-in resistance
    std::vector<ElementAnswer> elements; // in the walk order
};

// A circuit's board: its pixels for a PNG file, its paint drawn again for a PDF page.
struct CircuitPictures {
    QImage board;
    bool wantsDrawing = false; // the paint recorded as well, for a PDF page
    BoardDrawing drawing;
};

// Reads the circuits of a set one by one, each as the program reads it after a load: from the
// start-up state, with the meter off, laid out and solved. The start-up is run once and copied
// for every circuit; the board is painted only when a picture is asked for.
class CircuitReader {
public:
    explicit CircuitReader(const CircuitSet& set);

    // Circuit `number`; its board is painted into `pictures` when they are asked for.
    CircuitAnswer read(int number, CircuitPictures* pictures);

private:
    void restart();

    Workbench m_started; // the state after the start-up sequence
    Workbench m_bench;   // the circuit being read, with the set's list
};

} // namespace voltaro::sheet
