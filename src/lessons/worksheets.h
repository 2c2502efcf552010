#pragma once

#include "model/menus.h"

namespace voltaro {

struct Workbench;

// The worksheets of "Work Sheets": the click handler of all nine entries, `Series11` to
// `Circuit11`. It puts the entry's set of circuits in the list and shows its introduction in
// the intro panel; Ok reads circuit 1, and the step arrows move through the set. An entry that
// is no worksheet does nothing.
void openWorksheet(Workbench& bench, MenuId entry);

} // namespace voltaro
