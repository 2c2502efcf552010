#include "answer_key.h"

#include "app/read_circuit.h"
#include "bench/operations.h"
#include "qt/qt_canvas.h"
#include "solver/brightness.h"
#include "view/element_labels.h"
#include "view/point.h"

#include <algorithm>

namespace voltaro::sheet {

namespace {

std::vector<ElementAnswer> elementAnswers(const CircuitTables& tables) {
    const std::vector<SlotAddress> walk = elementsInWalkOrder(tables);
    std::vector<std::string> labels = loadLabelNames(tables, walk);
    std::vector<ElementAnswer> elements(walk.size());
    for (std::size_t i = 0; i < walk.size(); ++i) {
        ElementAnswer& e = elements[i];
        e.at = walk[i];
        e.slot = slotNumber(walk[i]);
        e.record = tables.record(e.slot);
        e.label = std::move(labels[i]);
        e.brightness = brightnessOf(e.record.voltage, e.record.current);
    }
    return elements;
}

SourceAnswer sourceOf(const Model& model) {
    return {model.menus.sourceKind(), model.menus.cellsInSeries(), model.menus.cellsInParallel(),
            model.source.cellValue};
}

} // namespace

CircuitReader::CircuitReader(const CircuitSet& set) {
    startUp(m_started);
    m_bench.circuits = set.list;
}

// What reading a circuit changes goes back to the start-up state. The circuit list stays, and
// the undo history and the current's dots, which reading never touches, are left out: copying
// the whole workbench costs a third more per circuit.
void CircuitReader::restart() {
    m_bench.model = m_started.model;
    m_bench.results = m_started.results;
    m_bench.meter = m_started.meter;
    m_bench.ui = m_started.ui;
    m_bench.files = m_started.files;
    m_bench.output = m_started.output;
}

CircuitAnswer CircuitReader::read(int number, CircuitPictures* pictures) {
    restart();
    // The board as the window holds it: a white picture that its own canvas paints on.
    std::optional<QtCanvas> canvas;
    if (pictures) {
        pictures->board = QImage(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
        pictures->board.fill(Qt::white);
        canvas.emplace(pictures->board);
    }
    m_bench.canvas = canvas ? &*canvas : nullptr;
    m_bench.paintsBoard = pictures != nullptr;
    m_bench.circuits.current = number;
    CircuitAnswer answer;
    answer.number = number;
    answer.error = readCurrentCircuit(m_bench);
    m_bench.canvas = nullptr;
    if (pictures && pictures->wantsDrawing)
        pictures->drawing = recordBoard(m_bench.model, m_bench.meter, *canvas);
    if (answer.error)
        return answer;
    const Workbench& b = m_bench;
    answer.source = sourceOf(b.model);
    answer.supplyVoltage = b.model.source.supplyVoltage;
    answer.totalResistance = b.results.totalResistance;
    answer.totalCurrent = b.results.totalCurrent;
    answer.open = b.results.anySideOpen();
    answer.elements = elementAnswers(b.model.tables);
    return answer;
}

} // namespace voltaro::sheet
