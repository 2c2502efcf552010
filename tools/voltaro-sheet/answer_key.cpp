#include "answer_key.h"

#include "app/read_circuit.h"
#include "bench/workbench.h"
#include "qt/qt_canvas.h"
#include "solver/brightness.h"
#include "view/element_labels.h"
#include "view/point.h"

#include <algorithm>
#include <memory>

namespace voltaro::sheet {

namespace {

std::vector<ElementAnswer> elementAnswers(const CircuitTables& tables) {
    const auto labels = loadLabelNames(tables);
    std::vector<ElementAnswer> elements;
    for (const SlotAddress& at : elementsInWalkOrder(tables)) {
        ElementAnswer e;
        e.at = at;
        e.slot = slotNumber(at);
        e.record = tables.record(e.slot);
        e.label = labels[e.slot];
        e.brightness = brightnessOf(e.record.voltage, e.record.current);
        elements.push_back(e);
    }
    return elements;
}

} // namespace

bool AnswerKey::allRead() const {
    return std::none_of(circuits.begin(), circuits.end(),
                        [](const CircuitAnswer& c) { return c.error.has_value(); });
}

CircuitAnswer readCircuitAnswer(const CircuitSet& set, int number, QImage* board) {
    // The board as the window holds it: a white picture that its own canvas paints on.
    Workbench bench;
    std::unique_ptr<QtCanvas> canvas;
    if (board) {
        *board = QImage(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
        board->fill(Qt::white);
        canvas = std::make_unique<QtCanvas>(*board);
        bench.canvas = canvas.get();
    }
    CircuitAnswer answer;
    answer.number = number;
    answer.error = readCircuitAfterStartUp(bench, set.list, number);
    if (canvas)
        canvas->finish();
    if (answer.error)
        return answer;
    answer.supplyVoltage = bench.model.source.supplyVoltage;
    answer.totalResistance = bench.results.totalResistance;
    answer.totalCurrent = bench.results.totalCurrent;
    answer.elements = elementAnswers(bench.model.tables);
    return answer;
}

} // namespace voltaro::sheet
