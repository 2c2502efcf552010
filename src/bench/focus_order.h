#pragma once

#include "bench/board_focus.h"
#include "view/point.h"

#include <optional>
#include <vector>

namespace voltaro {

struct Workbench;

// What the keys do on a control of the board. Every key becomes the press, move and release
// the mouse would give it, so the handlers and their clamps are the mouse's.
enum class KeyRole {
    Click,  // Enter, Space and the menu key press and release it, as a click does
    Source, // a click; Up and Down step the variable supply's voltage
    Drag,   // the arrow keys drag it 5 pixels, 1 with Shift
    Lead,   // the arrow keys carry it to the next measuring point that way; Escape parks it
};

// One stop of the board's keyboard focus. `grip` is where a pointer dragging the control
// steadily lies, relative to its top-left corner: a drag handler puts a resize handle's corner
// half its width beyond the pointer, the meter's square and the leads centred on it.
struct FocusStop {
    BoardControl control;
    KeyRole role = KeyRole::Click;
    Point grip;
};

// The board's controls that are shown, in the order Tab visits them: the battery terminals,
// then the loop from its top-left corner, each side in walk order (its red square, then lane by
// lane each block's green square and the block's slot markers, branch by branch), the corners
// between the sides, the break marker, the gray handles, the meter's square and leads, and the
// cells of the step arrows. It comes from one table (focus_order.cpp).
std::vector<FocusStop> focusOrder(const Workbench& bench);

// The stop of a control while it is shown; none when it is hidden or no stop.
std::optional<FocusStop> focusStopOf(const Workbench& bench, const BoardControl& control);

// The control that holds the board's focus, while it is shown.
std::optional<FocusStop> focusedStop(const Workbench& bench);

// Where a control lies on the board panel, in board coordinates.
struct BoardBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
BoardBox controlBox(const Workbench& bench, const BoardControl& control);

// The box the window rings while the board holds the keyboard focus: the focused control's,
// once a key moved or used the focus.
std::optional<BoardBox> focusRingBox(const Workbench& bench);

} // namespace voltaro
