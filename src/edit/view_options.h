#pragma once

#include "bench/bindings.h"

namespace voltaro {

struct Workbench;

// "Show Resistance", "Label loads", "Show Brightness", "Show C&urrent" and "&Electron Flow":
// each toggles its own check mark and the board is painted again, which starts the current's
// dots afresh. `ShowBright1`'s Tag follows its check mark (0 shown, 1 hidden).
void ShowResistance1Click(Workbench& bench, MenuId entry);

// Whether the current's dots move: "Show C&urrent" is checked and some current flows.
bool currentDotsMove(const Workbench& bench);

// One frame of the current's dots: each moves on by the seconds since the frame before.
void advanceCurrentDots(Workbench& bench, double seconds);

} // namespace voltaro
