#include "bench/meter_queries.h"

#include "bench/workbench.h"

namespace voltaro {

MeterMode meterMode(const Workbench& bench) {
    if (bench.model.menus.currentMode())
        return MeterMode::Current;
    if (bench.model.menus.voltageMode())
        return MeterMode::Voltage;
    return MeterMode::Off;
}

const std::array<WidgetId, 5>& meterRangeButtons() {
    static const std::array<WidgetId, 5> buttons = {WidgetId::arb, WidgetId::brb, WidgetId::crb,
                                                    WidgetId::drb, WidgetId::erb};
    return buttons;
}

int selectedMeterRange(const Workbench& bench) {
    return bench.meter.range;
}

void selectMeterRange(Workbench& bench, int range) {
    bench.meter.range = range >= 1 && range <= kMeterRanges ? range : 1;
    showMeterState(bench);
}

bool fuseBlown(const Workbench& bench) {
    return bench.meter.fuseBlown;
}

void blowFuse(Workbench& bench) {
    bench.meter.fuseBlown = true;
    showMeterState(bench);
}

void replaceFuse(Workbench& bench) {
    bench.meter.fuseBlown = false;
    showMeterState(bench);
}

void showMeterState(Workbench& bench) {
    bench.widget(WidgetId::currenteb).colour =
        bench.meter.fuseBlown ? Colour::Black : Colour::White;
    for (int range = 1; range <= kMeterRanges; ++range)
        bench.widget(meterRangeButtons()[range - 1]).checked = range == bench.meter.range;
}

bool breakAtCorner(const Workbench& bench) {
    return bench.meter.breakShape.isCorner();
}

} // namespace voltaro
