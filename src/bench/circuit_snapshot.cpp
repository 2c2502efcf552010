#include "bench/circuit_snapshot.h"

#include "bench/break_state.h"
#include "bench/circuit_lock.h"
#include "bench/operations.h"
#include "bench/workbench.h"

#include <cstdint>
#include <cstring>

namespace voltaro {

namespace {

// The meter's leads and move handles belong to the meter, which an undo leaves where it is.
bool isMeterMarker(MarkerId id) {
    switch (id) {
    case MarkerId::vpos:
    case MarkerId::vneg:
    case MarkerId::vpos2:
    case MarkerId::vneg2:
    case MarkerId::movesh:
    case MarkerId::movesh2:
        return true;
    default:
        return false;
    }
}

// Equal bit for bit, so that a NaN equals itself.
bool sameBits(double a, double b) {
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

// What the pupil builds into a record; its voltage and current are the solver's.
bool sameRecord(const ElementRecord& a, const ElementRecord& b) {
    return a.switchFlag == b.switchFlag && a.openFlag == b.openFlag &&
           sameBits(a.resistance, b.resistance) && a.wireFlag == b.wireFlag && a.kind == b.kind;
}

bool sameTables(const CircuitTables& a, const CircuitTables& b) {
    if (a.laneBlocks != b.laneBlocks || a.branchElements != b.branchElements)
        return false;
    for (int slot = 1; slot <= kSlots; ++slot)
        if (!sameRecord(a.record(slot), b.record(slot)))
            return false;
    return true;
}

bool sameSource(const SourceSettings& a, const SourceSettings& b) {
    return sameBits(a.cellValue, b.cellValue) && sameBits(a.variableSetting, b.variableSetting) &&
           sameBits(a.supplyVoltage, b.supplyVoltage);
}

bool sameLayout(const LayoutState& a, const LayoutState& b) {
    if (a.sideLength != b.sideLength || a.bottomAnchorOffset != b.bottomAnchorOffset ||
        a.topAnchorOffset != b.topAnchorOffset)
        return false;
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane) {
            const LaneSize &x = a.lanes[side][lane], &y = b.lanes[side][lane];
            if (x.length != y.length || x.depth != y.depth)
                return false;
            for (int block = 1; block <= kBlocks; ++block) {
                const BlockSize &p = a.blocks[side][lane][block], &q = b.blocks[side][lane][block];
                if (p.branches != q.branches || p.longest != q.longest)
                    return false;
            }
        }
    return true;
}

bool sameMarker(const Marker& a, const Marker& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.shape == b.shape && a.brush == b.brush && a.pen == b.pen && a.cursor == b.cursor &&
           a.tag == b.tag && a.visible == b.visible;
}

bool sameCircuitMarkers(const Markers& a, const Markers& b) {
    for (const MarkerRef& ref : markerStackBottomToTop()) {
        if (ref.family == MarkerFamily::Named && isMeterMarker(static_cast<MarkerId>(ref.index)))
            continue;
        if (!sameMarker(a.at(ref), b.at(ref)))
            return false;
    }
    return true;
}

void putBackCircuitMarkers(Markers& into, const Markers& from) {
    const std::array<Marker, kNamedMarkerCount> named = into.named;
    into = from;
    for (std::size_t i = 0; i < named.size(); ++i)
        if (isMeterMarker(static_cast<MarkerId>(i)))
            into.named[i] = named[i];
}

bool sameEntry(const MenuEntry& a, const MenuEntry& b) {
    return a.caption == b.caption && a.tag == b.tag && a.checked == b.checked &&
           a.visible == b.visible && a.enabled == b.enabled;
}

bool sameBreak(const BreakPlace& a, const BreakPlace& b) {
    return a.count == b.count && a.slot == b.slot && a.shape == b.shape &&
           a.markerLeft == b.markerLeft && a.markerTop == b.markerTop;
}

BreakPlace breakPlaceOf(const MeterState& meter) {
    return {meter.breakCount, meter.breakSlot, meter.breakShape, meter.breakMarkerLeft,
            meter.breakMarkerTop};
}

void putBackBreak(Workbench& bench, const BreakPlace& place) {
    MeterState& meter = bench.meter;
    meter.breakCount = place.count;
    meter.breakSlot = place.slot;
    meter.breakShape = place.shape;
    meter.breakMarkerLeft = place.markerLeft;
    meter.breakMarkerTop = place.markerTop;
    showBreakState(bench);
}

void putBackMenus(Workbench& bench, const CircuitSnapshot& s) {
    for (std::size_t i = 0; i < std::size(kSourceEntries); ++i)
        bench.menu(kSourceEntries[i]) = s.sourceEntries[i];
    showLock(bench, s.locked);
}

void putBackStepArrows(Workbench& bench, const CircuitSnapshot& s) {
    bench.widget(WidgetId::cirplayim).visible = s.stepArrowsShown;
    Widget& label = bench.widget(WidgetId::clb);
    label.visible = s.stepArrowsShown;
    label.caption = s.circuitNumber;
}

} // namespace

CircuitSnapshot takeSnapshot(const Workbench& bench, std::shared_ptr<const CircuitList> circuits) {
    CircuitSnapshot s;
    s.tables = bench.model.tables;
    s.source = bench.model.source;
    s.layout = bench.model.layout;
    s.markers = bench.model.markers;
    for (std::size_t i = 0; i < std::size(kSourceEntries); ++i)
        s.sourceEntries[i] = bench.menu(kSourceEntries[i]);
    s.locked = !bench.model.menus.optionsEnabled();
    s.breakPlace = breakPlaceOf(bench.meter);
    s.circuits = std::move(circuits);
    s.stepArrowsShown = bench.widget(WidgetId::cirplayim).visible;
    s.circuitNumber = bench.widget(WidgetId::clb).caption;
    s.caption = bench.ui.caption;
    return s;
}

bool sameBoard(const CircuitSnapshot& a, const CircuitSnapshot& b) {
    for (std::size_t i = 0; i < a.sourceEntries.size(); ++i)
        if (!sameEntry(a.sourceEntries[i], b.sourceEntries[i]))
            return false;
    return a.locked == b.locked && a.stepArrowsShown == b.stepArrowsShown &&
           a.caption == b.caption && a.circuitNumber == b.circuitNumber &&
           sameBreak(a.breakPlace, b.breakPlace) && sameSource(a.source, b.source) &&
           sameTables(a.tables, b.tables) && sameLayout(a.layout, b.layout) &&
           sameCircuitMarkers(a.markers, b.markers);
}

bool sameCircuit(const CircuitSnapshot& a, const CircuitSnapshot& b) {
    const bool sameList = a.circuits == b.circuits ||
                          (a.circuits && b.circuits && sameCircuits(*a.circuits, *b.circuits));
    return sameList && sameBoard(a, b);
}

void putBack(Workbench& bench, const CircuitSnapshot& s) {
    Model& m = bench.model;
    m.tables = s.tables;
    m.source = s.source;
    m.layout = s.layout;
    putBackCircuitMarkers(m.markers, s.markers);
    putBackMenus(bench, s);
    putBackBreak(bench, s.breakPlace);
    if (s.circuits)
        bench.circuits = *s.circuits;
    putBackStepArrows(bench, s);
    bench.ui.caption = s.caption;
    // The layout came back with the circuit, as its last change left it: the paint puts every
    // marker in its place from it, and the meter follows.
    placeRbt(bench);
    playbt(bench);
}

} // namespace voltaro
