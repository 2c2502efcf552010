#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

struct Workbench;

// Where the window's events go: the dispatch joins the binding tables of the subsystems
// (src/bench/bindings.h) and runs the handler an event reaches.

// Whether the pupil can choose the entry: it and every menu above it are visible and enabled.
bool isReachable(const Menus& menus, MenuId id);

// Whether an entry's shortcut works: the entry has one and is visible and enabled itself. Its
// key acts wherever the menu above it is, so that the zoom keys work in a locked circuit,
// whose Options menu is disabled.
bool hasWorkingShortcut(const Menus& menus, MenuId id);

// Runs the handler of an entry the pupil chose, in its menu or by its shortcut. Entries that
// can be reached neither way, and entries without a handler (submenus, separators), do nothing.
void triggerMenu(Workbench& bench, MenuId id);
bool hasMenuHandler(MenuId id);

// Runs the handler bound to a widget's event, when the widget and every box around it are
// visible and enabled.
void widgetEvent(Workbench& bench, WidgetId id, WidgetEvent event);
bool hasWidgetHandler(WidgetId id, WidgetEvent event);

// A mouse move over a picture widget, X, Y in its pixels, when it and every box around it are
// visible and enabled.
void pictureMouseMove(Workbench& bench, WidgetId id, int x, int y);

// The farthest from the board's origin that a pointer can be, in either direction: the
// coordinate range of the window system. Mouse events are held within it, so no drag can carry
// a marker past it however long it goes on.
constexpr int kPointerReach = 32767;
// A coordinate relative to `origin`, held so that the point lies within that reach.
int withinPointerReach(int relative, int origin);

// Mouse events on a marker; a press captures it, so its moves and release come here too.
void markerMouseDown(Workbench& bench, MarkerRef marker, int x, int y);
void markerMouseMove(Workbench& bench, MarkerRef marker, int x, int y);
void markerMouseUp(Workbench& bench, MarkerRef marker, int x, int y);

// Mouse events on the bare board picture, X, Y in picture pixels (src/app/board_mouse.cpp).
void circuitMouseDown(Workbench& bench, int x, int y);
void circuitMouseMove(Workbench& bench, int x, int y);
void circuitMouseUp(Workbench& bench, int x, int y);

} // namespace voltaro
