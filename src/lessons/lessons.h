#pragma once

#include "model/menus.h"

namespace voltaro {

struct Workbench;

// The lessons of the "&Circuits" menu ("How to", "&Simple", "&Advanced"): the click handler of
// all eight entries, `Firststeps1` to `Shortcircuit1`. It shows the entry's explanation in the
// intro panel and puts its one circuit in the list under its set name; Ok then reads it onto
// the board. An entry that is no lesson does nothing.
void openLesson(Workbench& bench, MenuId entry);

} // namespace voltaro
