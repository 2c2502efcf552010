#include "edit/resistor_box.h"

#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/typed_number.h"
#include "model/numbers.h"
#include "view/point.h"

namespace voltaro {

namespace {

// Beside the marker, towards the board's centre in each direction.
int besideMarker(int markerEdge, int boxSize, int boardSize) {
    return markerEdge < boardSize / 2 ? markerEdge : markerEdge - boxSize;
}

} // namespace

void openResistorBox(Workbench& bench, int slot) {
    Widget& box = bench.widget(WidgetId::rvgb);
    const Marker& marker = bench.model.markers.slot(slot);
    bench.widget(WidgetId::rveb).text =
        formatFixed(bench.model.tables.record(slot).resistance, 2, 6);
    box.tag = slot;
    box.top = besideMarker(marker.top, box.height, kBoardHeight);
    box.left = besideMarker(marker.left, box.width, kBoardWidth);
    box.visible = true;
    bench.ui.focus = WidgetId::rveb;
}

void okbtClick(Workbench& bench, WidgetId) {
    Widget& box = bench.widget(WidgetId::rvgb);
    if (!isValidSlot(box.tag))
        return;
    const std::optional<double> value = readTypedReal(bench, WidgetId::rveb, kResistanceRange);
    if (!value)
        return;
    ElementRecord& record = bench.model.tables.record(box.tag);
    record.resistance = *value;
    if (*value == 0.0)
        record.makeClosedConductor();
    box.visible = false;
    placeRbt(bench);
}

} // namespace voltaro
