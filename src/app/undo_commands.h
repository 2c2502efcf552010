#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The Edit menu: "&Undo" puts back the circuit of before the newest step, "&Redo" the one an
// undo took away. Both first close the value boxes and an introduction waiting for Ok, which
// belong to the circuit being replaced.
void Undo1Click(Workbench& bench, MenuId);
void Redo1Click(Workbench& bench, MenuId);

// The Edit menu's entries as the history stands: enabled with the step's name, or disabled.
void showHistory(Workbench& bench);
// Nothing can be undone or redone from the circuit now on the board.
void startHistoryAfresh(Workbench& bench);

const std::vector<MenuBinding>& historyMenuBindings();

} // namespace voltaro
