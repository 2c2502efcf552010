#pragma once

#include "model/markers.h"

namespace voltaro {

struct Workbench;

// The keys of the board while it holds the keyboard focus.
enum class BoardKey { Tab, Backtab, Enter, Space, Menu, Escape, Left, Right, Up, Down };

// A key on the board (src/bench/focus_order.h): Tab and Shift+Tab move the focus along the
// focus order and show its ring; every other key becomes the press, move and release the mouse
// would give the focused control, through the same handlers. Enter, Space and the menu key
// click it, so a menu opens where a click opens it, with its first entry selected; the arrows
// drag a handle 5 pixels (1 with Shift) or carry a lead to the next measuring point that way,
// Escape parks a lead over the meter; Up and Down on the battery step the variable supply by
// 0.1 V (1 V with Shift). False when the key is left to the window: Tab past the last control or
// Shift+Tab before the first, which leave the board, and a key the control has no use for.
bool boardKeyPress(Workbench& bench, BoardKey key, bool shift);

// The board took the keyboard focus by Tab (its first control takes it) or by Shift+Tab (its
// last one), showing the ring.
void enterBoardByTab(Workbench& bench, bool forward);

// A press of the mouse on a marker moves the board's focus to it when it is a control of the
// focus order, without the ring.
void focusByPointer(Workbench& bench, MarkerRef marker);

} // namespace voltaro
