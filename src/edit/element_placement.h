#pragma once

#include "model/menus.h"

namespace voltaro {

struct Workbench;

// The entries of the element menu; each works on the current slot and ends with a paint.

// "Resistor" (Tag 1) and "Bulb #1".."Bulb #3" (Tags 2..4): a load of the entry's kind. A
// resistor keeps its old value until the value box `rvgb` that this opens is confirmed.
void Add1Click(Workbench& bench, MenuId entry);
// "Open" and "Closed" of the switch submenu; both remember the choice in `Switch1`.
void Open3Click(Workbench& bench, MenuId entry);
void Closed3Click(Workbench& bench, MenuId entry);
// "Wire".
void Wire1Click(Workbench& bench, MenuId entry);

// The hidden Options items "&Resistor" (`reisitor1`) and "&Light bulb" (`Lightbulb1`): check
// the chosen one, make its Tag the selected kind and paint. The paint spaces branches by which
// of them is checked.
void reisitor1Click(Workbench& bench, MenuId entry);

} // namespace voltaro
