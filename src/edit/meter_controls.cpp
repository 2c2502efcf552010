#include "edit/meter_controls.h"

#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_mode.h"

namespace voltaro {

namespace {

void selectModeButton(Workbench& bench, WidgetId chosen) {
    bench.widget(WidgetId::voltrb).checked = chosen == WidgetId::voltrb;
    bench.widget(WidgetId::amprb).checked = chosen == WidgetId::amprb;
}

} // namespace

void On1Click(Workbench& bench, MenuId) {
    MenuEntry& on = bench.menu(MenuId::On1);
    on.checked = !on.checked;
    if (!on.checked)
        setMeterMode(bench, MeterMode::Off);
    else if (bench.widget(WidgetId::amprb).checked)
        setMeterMode(bench, MeterMode::Current);
    else
        setMeterMode(bench, MeterMode::Voltage);
}

void ChangeFuse1Click(Workbench& bench, MenuId) {
    replaceFuse(bench);
}

void On2Click(Workbench& bench, MenuId) {
    MenuEntry& on = bench.menu(MenuId::On2);
    on.checked = !on.checked;
    bench.widget(WidgetId::meterpl2).visible = on.checked;
    for (MarkerId id : {MarkerId::vpos2, MarkerId::vneg2, MarkerId::movesh2})
        bench.marker(id).visible = on.checked;
}

void voltrbClick(Workbench& bench, WidgetId) {
    selectModeButton(bench, WidgetId::voltrb);
    setMeterMode(bench, MeterMode::Voltage);
}

void amprbClick(Workbench& bench, WidgetId) {
    selectModeButton(bench, WidgetId::amprb);
    setMeterMode(bench, MeterMode::Current);
}

void rangeButtonClick(Workbench& bench, WidgetId id) {
    selectMeterRange(bench, bench.widget(id).tag); // a range button's Tag is its range
    readingsbt(bench);
}

const std::vector<MenuBinding>& meterMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::On1, On1Click},
        {MenuId::None1, None1Click},
        {MenuId::Voltage1, Voltage1Click},
        {MenuId::current1, current1Click},
        {MenuId::ChangeFuse1, ChangeFuse1Click},
        {MenuId::On2, On2Click},
    };
    return bindings;
}

const std::vector<WidgetBinding>& meterWidgetBindings() {
    static const std::vector<WidgetBinding> bindings = [] {
        std::vector<WidgetBinding> b = {
            {WidgetId::voltrb, WidgetEvent::Click, voltrbClick},
            {WidgetId::amprb, WidgetEvent::Click, amprbClick},
        };
        for (WidgetId range : meterRangeButtons())
            b.push_back({range, WidgetEvent::Click, rangeButtonClick});
        return b;
    }();
    return bindings;
}

} // namespace voltaro
