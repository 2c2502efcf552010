#include "bench/operations.h"

#include "bench/workbench.h"
#include "edit/element_placement.h"
#include "model/reset.h"
#include "solver/solver.h"
#include "view/geometry.h"

namespace voltaro {

namespace {

// The meter's start state as a reset leaves it: neither lead on a point, no reading.
void resetMeterLeads(MeterState& meter) {
    meter.takeLeadsOffPoints();
    meter.reading = kOpenSentinel;
}

} // namespace

void startUp(Workbench& bench) {
    Model& m = bench.model;
    m.source = SourceSettings{};
    bench.meter = MeterState{};
    bench.ui.selectedKind = ElementKind::Resistor;
    m.layout.sideLength = LayoutState{}.sideLength;
    placeAtStartUp(m.markers);
    m.tables.record(kCornerLinkSlot).makeClosedConductor();
    resistrestbt(bench);
    // Bulbs are the load of the run: the wider branch spacing, selected kind 2. The meter's
    // probes need no bringing to the front; they are last in the marker stack.
    reisitor1Click(bench, MenuId::Lightbulb1);
}

void resistrestbt(Workbench& bench) {
    resetTables(bench.model.tables, bench.model.markers);
    resetLaneSizes(bench.model.layout);
    resetMeterLeads(bench.meter);
    getsizebt(bench);
}

void getrtotalbt(Workbench& bench) {
    solveNetwork(bench.model.tables, bench.model.source.supplyVoltage, bench.results);
    stampMeasurementTags(bench.model.tables, bench.model.markers);
}

} // namespace voltaro
