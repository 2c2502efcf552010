#include "app/step_names.h"

#include "app/history_texts.h"
#include "app/shell_texts.h"
#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "edit/recent_files.h"

namespace voltaro {

namespace {

// Entries of a family are named after their submenu, without its count.
std::optional<Text> familyStepName(MenuId submenu, MenuId entry) {
    switch (submenu) {
    case MenuId::Bulb1:
        return designCaption(entry);
    case MenuId::Switch1:
        return Text(kSwitchCaption).arg(designCaption(entry));
    case MenuId::Source1:
        return Text(kSourceCaption).arg(designCaption(entry));
    case MenuId::firstParallel01:
    case MenuId::SecondParallel01:
    case MenuId::thirdParallel31:
        return Text(kBlocksStep);
    case MenuId::firstpu1:
    case MenuId::secondpu1:
    case MenuId::thirdpu1:
        return Text(kPartsStep);
    case MenuId::Numser1:
        return Text(kCellsInSeriesStep);
    case MenuId::NumPar1:
        return Text(kCellsInParallelStep);
    default:
        return std::nullopt;
    }
}

Text menuStepName(const Workbench& bench, MenuId id) {
    if (isRecentFileEntry(id))
        return bench.circuits.setName; // the file's name
    if (const std::optional<MenuId> parent = menuDesign(id).parent)
        if (std::optional<Text> name = familyStepName(*parent, id))
            return *name;
    switch (id) {
    case MenuId::Reset1:
        return kResetStep;
    case MenuId::Break1:
        return kBreakStep;
    case MenuId::Join1:
        return kJoinStep;
    default:
        return designCaption(id); // "Resistor", "Wire"
    }
}

Text widgetStepName(const Workbench& bench, WidgetId id) {
    switch (id) {
    case WidgetId::okbt:
    case WidgetId::rveb:
        return kResistorValueStep;
    case WidgetId::battokbt:
    case WidgetId::batteb:
        return kCellValueStep;
    case WidgetId::cirplayim:
        return Text(kCircuitNumberCaption).arg(std::to_string(bench.circuits.current));
    default:
        // "&Yes" to a file, "&Ok" to a lesson: the set now shown, a lesson's or a file's name.
        return bench.circuits.setName;
    }
}

Text pointerStepName(const std::optional<MarkerRef>& pressed) {
    return pressed ? kResizeStep : kSupplyStep;
}

} // namespace

Text stepName(const Workbench& bench, const StepEvent& event) {
    switch (event.source) {
    case StepEvent::Source::Menu:
        return menuStepName(bench, event.menu);
    case StepEvent::Source::Widget:
        return widgetStepName(bench, event.widget);
    case StepEvent::Source::Pointer:
        break;
    }
    return pointerStepName(event.pressed);
}

bool readsCircuit(const StepEvent& event) {
    if (event.source == StepEvent::Source::Menu)
        return isRecentFileEntry(event.menu);
    if (event.source != StepEvent::Source::Widget)
        return false;
    return event.widget == WidgetId::ybt || event.widget == WidgetId::okdokeybt ||
           event.widget == WidgetId::cirplayim;
}

} // namespace voltaro
