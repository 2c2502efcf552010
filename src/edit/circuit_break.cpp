#include "edit/circuit_break.h"

#include "bench/break_state.h"
#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_mode.h"
#include "solver/meter_reading.h"
#include "solver/results.h"

namespace voltaro {

namespace {

constexpr int kGap = 15; // distance of the break marker from the marker where the break is

BoardPoint besideCorner(const Marker& corner, MarkerId id) {
    switch (id) {
    case MarkerId::cor1:
        return {corner.left, corner.top + kGap};
    case MarkerId::cor2:
        return {corner.left - kGap, corner.top};
    default: // cor3, cor4
        return {corner.left, corner.top - kGap};
    }
}

// The top side runs left to right, the right side downward and the bottom side right to left;
// the end node's break marker lies back along the side, any other node's forward.
BoardPoint besideNode(const Marker& node, int side, bool endNode) {
    const int step = endNode ? -kGap : kGap;
    if (side == kTopSide)
        return {node.left + step, node.top};
    if (side == kBottomSide)
        return {node.left - step, node.top};
    return {node.left, node.top + step};
}

} // namespace

BoardPoint breakMarkerPlace(const Workbench& bench, MarkerRef shape, int slot) {
    if (shape.isCorner())
        return besideCorner(bench.model.markers.at(shape), static_cast<MarkerId>(shape.index));
    const std::optional<SlotAddress> at = decodeSlot(slot);
    if (!at)
        return {bench.marker(MarkerId::ampsh).left, bench.marker(MarkerId::ampsh).top};
    const int n = bench.model.tables.elementsInUse(at->side, at->lane, at->block, at->branch);
    return besideNode(bench.model.markers.slot(slot), at->side, at->position > n);
}

void Break1Click(Workbench& bench, MenuId) {
    const int slot = bench.ui.currentSlot;
    if (!isValidSlot(slot))
        return;
    MeterState& meter = bench.meter;
    meter.breakCount = 1;
    meter.breakShape = bench.ui.lastClicked;
    meter.breakSlot = slot;
    showBreakState(bench);
    bench.menu(MenuId::Join1).visible = true;
    meter.takeLeadsOffPoints();
    Marker& breakMarker = bench.marker(MarkerId::ampsh);
    breakMarker.tag = meter.breakSlot;
    const bool atCorner = breakAtCorner(bench);
    setBreakConducting(bench.model.tables, slot, atCorner, false);
    const BoardPoint place = breakMarkerPlace(bench, meter.breakShape, slot);
    breakMarker.left = place.left;
    breakMarker.top = place.top;
    const Marker& shape = bench.model.markers.at(meter.breakShape);
    meter.breakMarkerLeft = place.left - shape.left;
    meter.breakMarkerTop = place.top - shape.top;
    getrtotalbt(bench);
    placeRbt(bench);
}

void Join1Click(Workbench& bench, MenuId) {
    MeterState& meter = bench.meter;
    const MarkerRef clicked = bench.ui.lastClicked;
    if (meter.hasBreak() && (clicked == meter.breakShape || clicked.is(MarkerId::ampsh))) {
        setBreakConducting(bench.model.tables, 0, true, true);
        setBreakConducting(bench.model.tables, bench.ui.currentSlot, false, true);
        endBreak(bench);
    }
    meter.takeLeadsOffPoints();
    parkLeadsAtRest(bench);
    placeRbt(bench);
}

void endBreak(Workbench& bench) {
    bench.meter.breakCount = 0;
    showBreakState(bench);
}

const std::vector<MenuBinding>& breakMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Break1, Break1Click},
        {MenuId::Join1, Join1Click},
    };
    return bindings;
}

} // namespace voltaro
