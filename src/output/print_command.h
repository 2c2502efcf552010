#pragma once

#include "model/menus.h"

namespace voltaro {

struct Workbench;

// "&Print": the name dialog prefilled with the last name, then the print dialog, then one page
// with the "Printed for " line (when a name was given) and the board as painted last, scaled by
// a whole number. Closing either dialog prints nothing; a printer that fails is reported.
void print1Click(Workbench& bench, MenuId);

} // namespace voltaro
