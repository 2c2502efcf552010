#pragma once

namespace voltaro {

struct Workbench;

// The menus and the board as the meter's break has it: Break enabled without a break, Join with
// one, and the break marker shown while there is one.
void showBreakState(Workbench& bench);

} // namespace voltaro
