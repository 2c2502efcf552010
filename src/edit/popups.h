#pragma once

#include "model/markers.h"
#include "model/menus.h"

namespace voltaro {

struct Workbench;

// Asks the window to open a popup menu 10 pixels right of and below a marker's top-left corner.
void requestPopupAt(Workbench& bench, MenuId menu, const Marker& marker);

// Shows or hides a list of menu entries.
void setEntriesVisible(Workbench& bench, std::initializer_list<MenuId> entries, bool visible);
void setEntriesEnabled(Workbench& bench, std::initializer_list<MenuId> entries, bool enabled);

} // namespace voltaro
