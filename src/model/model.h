#pragma once

#include "model/circuit_tables.h"
#include "model/layout_state.h"
#include "model/markers.h"
#include "model/menus.h"
#include "model/source_settings.h"
#include "model/widgets.h"

namespace voltaro {

// The circuit on the board and the window state it is read with: the tables, the source, the
// menu entries and widgets that hold settings, the markers and the geometry numbers.
struct Model {
    CircuitTables tables;
    SourceSettings source;
    Menus menus = makeDesignMenus();
    Widgets widgets = makeDesignWidgets();
    Markers markers = makeDesignMarkers();
    LayoutState layout;
};

} // namespace voltaro
