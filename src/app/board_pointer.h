#pragma once

#include "model/markers.h"

namespace voltaro {

struct Workbench;

// The mouse on the board panel, X, Y in panel pixels, as a toolkit delivers it to the small
// controls over a picture. A press goes to the topmost visible marker under the pointer, or to
// the bare picture; that target keeps the mouse until the release (`Interaction::captured`),
// its moves and release coming to it with X, Y relative to the marker's present top-left corner
// (picture pixels for the picture), wherever the pointer is. Moves with no button held go to
// whatever lies under the pointer; such a move also ends a capture whose release went
// elsewhere (a popup took the mouse). A press on a control of the focus order also moves the
// board's keyboard focus there. Each returns whether an event reached a handler.
bool boardPress(Workbench& bench, int x, int y);
bool boardMove(Workbench& bench, int x, int y, bool buttonHeld);
bool boardRelease(Workbench& bench, int x, int y);

// The cursor to show at a point of the panel: the marker's under it, else the arrow.
MarkerCursor boardCursorAt(const Workbench& bench, int x, int y);

} // namespace voltaro
