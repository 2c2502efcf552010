#pragma once

#include "model/markers.h"
#include "model/menus.h"
#include "model/text.h"

namespace voltaro {

struct Workbench;
struct ElementRecord;

// The entries of the element menu `secondpu` that put an element into a slot; the marker at a
// branch's last node, the break marker and the corner markers offer none of them.
void setElementEntriesVisible(Workbench& bench, bool visible);

// The caption of `Switch1` for an entry of its submenu: "Switch (Open)", "Switch (Closed)".
Text switchCaption(const Workbench& bench, MenuId choice);
// The caption `Switch1` shows for a slot: "Switch (Closed)" unless the slot holds a switch, in
// which case the state last chosen in the switch submenu (its Tag), whichever slot it was for.
Text switchCaptionFor(const Workbench& bench, const ElementRecord& record, int lastChosenSwitchTag);

// c7MouseDown: a press on a slot marker or on the break marker `ampsh` opens the element menu
// for the slot in the marker's Tag.
void c7MouseDown(Workbench& bench, MarkerRef marker, int x, int y);

} // namespace voltaro
