#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "solver/meter_display.h"
#include "solver/meter_potential.h"
#include "solver/meter_reading.h"

namespace voltaro {

namespace {

// Step 1 of a reading in current mode: whether the leads lie across the break, which then
// conducts through the meter; otherwise it is open.
bool putInSeries(Workbench& bench) {
    const MarkerRef shape = bench.meter.breakShape;
    if (!shape.isValid())
        return false;
    const bool inSeries =
        leadsAcrossBreak(bench.marker(MarkerId::vpos), bench.marker(MarkerId::vneg),
                         bench.marker(MarkerId::ampsh), bench.model.markers.at(shape));
    setBreakConducting(bench.model.tables, bench.meter.breakSlot, breakAtCorner(bench), inSeries);
    return inSeries;
}

double currentReading(Workbench& bench, bool inSeries) {
    getrtotalbt(bench);
    if (!inSeries)
        blowFuse(bench);
    // Without a break the reading refers to no element.
    if (!bench.meter.hasBreak())
        return kOpenSentinel;
    const Marker& black = bench.marker(MarkerId::vpos);
    const Marker& red = bench.marker(MarkerId::vneg);
    if (breakAtCorner(bench))
        return cornerBreakCurrent(bench.results,
                                  static_cast<MarkerId>(bench.meter.breakShape.index), black, red);
    return nodeCurrent(bench.model.tables, bench.ui.currentSlot, black, red);
}

} // namespace

void measureLeadPotential(Workbench& bench, int lead, int slot) {
    if (lead < 1 || lead > 2)
        return;
    bench.meter.leadPotential[lead] =
        nodePotential(bench.model.tables, bench.results, slot).value_or(kOpenSentinel);
}

void getvbt(Workbench& bench) {
    measureLeadPotential(bench, bench.meter.leadIndex, bench.ui.currentSlot);
}

void meterbt(Workbench& bench) {
    const MeterMode mode = meterMode(bench);
    if (mode == MeterMode::Off)
        return;
    const bool inSeries =
        mode == MeterMode::Current && bench.meter.hasBreak() && putInSeries(bench);
    MeterState& meter = bench.meter;
    if (meter.leadPotential[1] == kOpenSentinel || meter.leadPotential[2] == kOpenSentinel) {
        bench.widget(WidgetId::currenteb).text = kNoReadingText;
        return;
    }
    meter.reading = mode == MeterMode::Current ? currentReading(bench, inSeries)
                                               : meter.leadPotential[2] - meter.leadPotential[1];
    readingsbt(bench);
}

void readingsbt(Workbench& bench) {
    const MeterMode mode =
        meterMode(bench) == MeterMode::Current ? MeterMode::Current : MeterMode::Voltage;
    const MeterDisplay display =
        formatReading(bench.meter.reading, mode, selectedMeterRange(bench));
    if (display.blowsFuse)
        blowFuse(bench);
    bench.widget(WidgetId::currenteb).text = display.text;
}

} // namespace voltaro
