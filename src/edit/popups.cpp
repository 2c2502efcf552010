#include "edit/popups.h"

#include "bench/workbench.h"

namespace voltaro {

void requestPopupAt(Workbench& bench, MenuId menu, const Marker& marker) {
    constexpr int kPopupOffset = 10; // right of and below the marker's top-left corner
    bench.ui.popup = PopupRequest{menu, marker.left + kPopupOffset, marker.top + kPopupOffset};
}

void setEntriesVisible(Workbench& bench, std::initializer_list<MenuId> entries, bool visible) {
    for (MenuId id : entries)
        bench.menu(id).visible = visible;
}

void setEntriesEnabled(Workbench& bench, std::initializer_list<MenuId> entries, bool enabled) {
    for (MenuId id : entries)
        bench.menu(id).enabled = enabled;
}

} // namespace voltaro
