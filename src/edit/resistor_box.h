#pragma once

#include "model/menus.h"
#include "model/widgets.h"

namespace voltaro {

struct Workbench;

// Opens the resistor value box `rvgb` for a slot: the slot's present resistance in `rveb`
// (6 characters, 2 decimals), the slot in the box's Tag, the box beside the slot's marker on
// the side of the board's centre, and the keyboard focus in `rveb`. Opening it again while it
// is open retargets it.
void openResistorBox(Workbench& bench, int slot);

// okbtClick, also Enter in `rveb`: stores the typed value in the slot the box was opened for;
// 0 makes it a conductor. Text that is not a finite number is refused with a message and the
// box stays open with nothing changed.
void okbtClick(Workbench& bench, WidgetId);

} // namespace voltaro
