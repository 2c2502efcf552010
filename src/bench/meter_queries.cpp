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
    for (WidgetId id : meterRangeButtons())
        if (bench.widget(id).checked && bench.widget(id).tag >= 1 &&
            bench.widget(id).tag <= kMeterRanges)
            return bench.widget(id).tag;
    return 1;
}

bool fuseBlown(const Workbench& bench) {
    return bench.widget(WidgetId::currenteb).colour == Colour::Black;
}

void blowFuse(Workbench& bench) {
    bench.widget(WidgetId::currenteb).colour = Colour::Black;
}

bool breakAtCorner(const Workbench& bench) {
    return bench.meter.breakShape.isCorner();
}

} // namespace voltaro
