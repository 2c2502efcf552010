#include "app/dispatch.h"

#include "app/shell.h"
#include "app/workbench.h"

namespace voltaro {

namespace {

// The binding tables of the subsystems, in one place.
const std::vector<const std::vector<MenuBinding>*>& menuBindingTables() {
    static const std::vector<const std::vector<MenuBinding>*> tables = {
        &shellMenuBindings(),
    };
    return tables;
}

const std::vector<const std::vector<MarkerBinding>*>& markerBindingTables() {
    static const std::vector<const std::vector<MarkerBinding>*> tables = {};
    return tables;
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
    if (const MarkerBinding* b = markerBinding(marker))
        if (MarkerHandler handler = b->*event)
            handler(bench, marker, x, y);
}

} // namespace

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

bool hasMenuHandler(MenuId id) {
    return menuHandler(id) != nullptr;
}

void triggerMenu(Workbench& bench, MenuId id) {
    if (!isReachable(bench.model.menus, id))
        return;
    if (MenuHandler handler = menuHandler(id))
        handler(bench, id);
}

void markerMouseDown(Workbench& bench, MarkerRef marker, int x, int y) {
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::down);
}

void markerMouseMove(Workbench& bench, MarkerRef marker, int x, int y) {
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::move);
}

void markerMouseUp(Workbench& bench, MarkerRef marker, int x, int y) {
    runMarkerHandler(bench, marker, x, y, &MarkerBinding::up);
}

void circuitMouseDown(Workbench&, int, int) {}
void circuitMouseMove(Workbench&, int, int) {}
void circuitMouseUp(Workbench&, int, int) {}

} // namespace voltaro
