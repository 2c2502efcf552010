#pragma once

#include "model/markers.h"
#include "model/menus.h"
#include "model/widgets.h"

namespace voltaro {

struct Workbench;

// The binding types through which each subsystem lists the handlers of its menu entries,
// markers and widgets; the dispatch (src/app/dispatch.h) joins the tables.

using MenuHandler = void (*)(Workbench&, MenuId);
struct MenuBinding {
    MenuId id;
    MenuHandler handler; // gets the entry that fired it, so one handler serves a family
};

// X, Y relative to the marker's top-left corner, as a toolkit delivers them to a small control.
using MarkerHandler = void (*)(Workbench&, MarkerRef, int x, int y);
struct MarkerBinding {
    MarkerFamily family;
    int index; // a MarkerId for named markers; -1: every marker of the family
    MarkerHandler down = nullptr;
    MarkerHandler move = nullptr;
    MarkerHandler up = nullptr;
};

// What a widget reports. The window keeps each widget's text, memo lines and check mark in the
// workbench up to date as the user types or clicks, so handlers read them from there.
enum class WidgetEvent {
    Click,   // a button, check box or radio button clicked
    Enter,   // Enter typed in an edit
    FocusIn, // the widget took the keyboard focus
};
using WidgetHandler = void (*)(Workbench&, WidgetId);
struct WidgetBinding {
    WidgetId id;
    WidgetEvent event;
    WidgetHandler handler;
};

// A mouse move over a picture widget, X, Y in its own pixels.
using PictureMoveHandler = void (*)(Workbench&, WidgetId, int x, int y);
struct PictureMoveBinding {
    WidgetId id;
    PictureMoveHandler move;
};

} // namespace voltaro
