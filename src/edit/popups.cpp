#include "edit/popups.h"

#include "bench/workbench.h"

namespace voltaro {

void requestPopupAt(Workbench& bench, MenuId menu, const Marker& marker) {
    bench.ui.popup = PopupRequest{menu, marker.left + 10, marker.top + 10};
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
