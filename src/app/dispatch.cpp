#include "app/dispatch.h"

#include "app/open_file.h"
#include "app/shell.h"
#include "app/step_recorder.h"
#include "app/undo_commands.h"
#include "bench/workbench.h"
#include "edit/circuit_break.h"
#include "edit/edit_bindings.h"
#include "edit/file_panel.h"
#include "edit/handles.h"
#include "edit/meter_controls.h"
#include "edit/meter_probes.h"
#include "lessons/lesson_bindings.h"
#include "output/output_bindings.h"

#include <algorithm>

namespace voltaro {

namespace {

// The binding tables of the subsystems, in one place.
const std::vector<const std::vector<MenuBinding>*>& menuBindingTables() {
    static const std::vector<const std::vector<MenuBinding>*> tables = {
        &shellMenuBindings(),  &editMenuBindings(),      &meterMenuBindings(),
        &breakMenuBindings(),  &filePanelMenuBindings(), &lessonMenuBindings(),
        &outputMenuBindings(), &historyMenuBindings(),   &recentFileMenuBindings(),
    };
    return tables;
}

const std::vector<const std::vector<MarkerBinding>*>& markerBindingTables() {
    static const std::vector<const std::vector<MarkerBinding>*> tables = {
        &editMarkerBindings(),
        &meterProbeBindings(),
        &handleMarkerBindings(),
    };
    return tables;
}

const std::vector<const std::vector<WidgetBinding>*>& widgetBindingTables() {
    static const std::vector<const std::vector<WidgetBinding>*> tables = {
        &editWidgetBindings(),
        &meterWidgetBindings(),
        &filePanelWidgetBindings(),
        &lessonWidgetBindings(),
    };
    return tables;
}

WidgetHandler widgetHandler(WidgetId id, WidgetEvent event) {
    for (const auto* table : widgetBindingTables())
        for (const WidgetBinding& b : *table)
            if (b.id == id && b.event == event)
                return b.handler;
    return nullptr;
}

// A widget can be used when it and every box around it are visible and enabled.
bool isUsable(const Widgets& widgets, WidgetId id) {
    std::optional<WidgetId> at = id;
    while (at) {
        const Widget& w = widgets[*at];
        if (!w.visible || !w.enabled)
            return false;
        at = widgetDesign(*at).parent;
    }
    return true;
}

MenuHandler menuHandler(MenuId id) {
    for (const auto* table : menuBindingTables())
        for (const MenuBinding& b : *table)
            if (b.id == id)
                return b.handler;
    return nullptr;
}

const MarkerBinding* markerBinding(MarkerRef marker) {
    for (const auto* table : markerBindingTables())
        for (const MarkerBinding& b : *table)
            if (b.family == marker.family && (b.index == -1 || b.index == marker.index))
                return &b;
    return nullptr;
}

void runMarkerHandler(Workbench& bench, MarkerRef marker, int x, int y,
                      MarkerHandler MarkerBinding::*event) {
    if (!marker.isValid())
        return;
    const Marker& m = bench.model.markers.at(marker);
    if (const MarkerBinding* b = markerBinding(marker))
        if (MarkerHandler handler = b->*event)
            handler(bench, marker, withinPointerReach(x, m.left), withinPointerReach(y, m.top));
}

} // namespace

int withinPointerReach(int relative, int origin) {
    const long long at = static_cast<long long>(origin) + relative;
    const long long held = std::clamp<long long>(at, -kPointerReach, kPointerReach);
    return static_cast<int>(held - origin);
}

bool isReachable(const Menus& menus, MenuId id) {
    std::optional<MenuId> at = id;
    while (at) {
        const MenuEntry& e = menus[*at];
        if (!e.visible || !e.enabled)
            return false;
        at = menuDesign(*at).parent;
    }
    return true;
}

bool hasWorkingShortcut(const Menus& menus, MenuId id) {
    return *menuDesign(id).shortcut && menus[id].visible && menus[id].enabled;
}

bool hasMenuHandler(MenuId id) {
    return menuHandler(id) != nullptr;
}

void triggerMenu(Workbench& bench, MenuId id) {
    if (!isReachable(bench.model.menus, id) && !hasWorkingShortcut(bench.model.menus, id))
        return;
    if (MenuHandler handler = menuHandler(id))
        runAsStep(bench, StepEvent::ofMenu(id), [&] { handler(bench, id); });
}

bool hasWidgetHandler(WidgetId id, WidgetEvent event) {
    return widgetHandler(id, event) != nullptr;
}

void widgetEvent(Workbench& bench, WidgetId id, WidgetEvent event) {
    if (!isUsable(bench.model.widgets, id))
        return;
    if (WidgetHandler handler = widgetHandler(id, event))
        runAsStep(bench, StepEvent::ofWidget(id), [&] { handler(bench, id); });
}

void pictureMouseMove(Workbench& bench, WidgetId id, int x, int y) {
    if (!isUsable(bench.model.widgets, id))
        return;
    for (const PictureMoveBinding& b : lessonPictureBindings())
        if (b.id == id)
            b.move(bench, id, x, y);
}

void markerMouseDown(Workbench& bench, MarkerRef marker, int x, int y) {
    startDrag(bench, marker);
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::down);
}

void markerMouseMove(Workbench& bench, MarkerRef marker, int x, int y) {
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::move);
}

void markerMouseUp(Workbench& bench, MarkerRef marker, int x, int y) {
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::up);
    finishDrag(bench);
}

} // namespace voltaro
