#include "edit/meter_mode.h"

#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_controls.h"
#include "solver/meter_display.h"

namespace voltaro {

namespace {

constexpr int kLeadRestSpread = 20; // the leads rest this far left and right of the centre

void writeRangeLabels(Workbench& bench, MeterMode mode) {
    for (int range = 1; range <= kMeterRanges; ++range)
        bench.widget(meterRangeButtons()[range - 1]).caption = meterRange(mode, range).label;
}

} // namespace

void parkLeadAtRest(Workbench& bench, int lead) {
    const Widget& panel = bench.widget(WidgetId::meterpl);
    Marker& marker = bench.marker(lead == 1 ? MarkerId::vpos : MarkerId::vneg);
    marker.top = panel.top - kLeadRestRise;
    marker.left = panel.left + panel.width / 2 + (lead == 1 ? -kLeadRestSpread : kLeadRestSpread);
    MeterState& meter = bench.meter;
    meter.leadPoint[lead].reset();
    meter.leadSlot[lead] = kNoLeadSlot;
    meter.leadPotential[lead] = kOpenSentinel;
}

void parkLeadsAtRest(Workbench& bench) {
    parkLeadAtRest(bench, 1);
    parkLeadAtRest(bench, 2);
}

void setMeterMode(Workbench& bench, MeterMode mode) {
    Menus& menus = bench.model.menus;
    menus[MenuId::current1].checked = mode == MeterMode::Current;
    menus[MenuId::Voltage1].checked = mode == MeterMode::Voltage;
    menus[MenuId::None1].checked = mode == MeterMode::Off;
    // "On" shows whether the meter is on, also when Reset turns it off.
    menus[MenuId::On1].checked = mode != MeterMode::Off;
    bench.meter.reading = kOpenSentinel;
    bench.widget(WidgetId::currenteb).text = kNoReadingText;
    if (mode == MeterMode::Current)
        bench.widget(WidgetId::meterlb).caption = kAmpereUnit;
    if (mode == MeterMode::Voltage)
        bench.widget(WidgetId::meterlb).caption = kVoltUnit;
    if (mode != MeterMode::Off)
        writeRangeLabels(bench, mode);
    const bool on = mode != MeterMode::Off;
    bench.widget(WidgetId::meterpl).visible = on;
    bench.marker(MarkerId::movesh).visible = on;
    bench.meter.leadPotential[1] = bench.meter.leadPotential[2] = kOpenSentinel;
    bench.marker(MarkerId::vpos).visible = on;
    bench.marker(MarkerId::vneg).visible = on;
    parkLeadsAtRest(bench);
    placeRbt(bench);
    getrtotalbt(bench);
}

void None1Click(Workbench& bench, MenuId) {
    setMeterMode(bench, MeterMode::Off);
}

void Voltage1Click(Workbench& bench, MenuId) {
    setMeterMode(bench, MeterMode::Voltage);
}

void current1Click(Workbench& bench, MenuId) {
    setMeterMode(bench, MeterMode::Current);
}

} // namespace voltaro
