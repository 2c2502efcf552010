#pragma once

#include "bench/bindings.h"

namespace voltaro {

struct Workbench;

// "Show Resistance", "Label loads" and "Show Brightness": each toggles its own check mark and
// the board is painted again. `ShowBright1`'s Tag follows its check mark (0 shown, 1 hidden).
void ShowResistance1Click(Workbench& bench, MenuId entry);

} // namespace voltaro
