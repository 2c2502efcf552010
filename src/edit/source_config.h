#pragma once

#include "model/markers.h"
#include "model/menus.h"
#include "model/widgets.h"

namespace voltaro {

struct Workbench;

// The source on the left edge: its kind (Options menu), the battery menu `battpu` on the
// terminals with its series and parallel counts and cell value box `battgb`, and the needle of
// the variable supply. Each change recomputes the supply voltage, solves and paints.

// Variable1Click, also Cells1: the source kind of the entry's Tag. "Cells" restarts from one
// cell; "Variable" sets the supply to the variable supply setting.
void Variable1Click(Workbench& bench, MenuId entry);

// battnegMouseDown, also battpos: opens the battery menu, only for cells in an unlocked circuit.
void battnegMouseDown(Workbench& bench, MarkerRef terminal, int x, int y);

// N110Click (the series counts "1".."4") and N111Click (the parallel counts).
void N110Click(Workbench& bench, MenuId entry);
void N111Click(Workbench& bench, MenuId entry);
void setCellsInSeries(Workbench& bench, int count);
void setCellsInParallel(Workbench& bench, int count);

// "&Cell Value": opens `battgb` with the cell value in `batteb` (6 characters, 1 decimal).
void CellValue1Click(Workbench& bench, MenuId entry);
// battokbtClick, also Enter in `batteb`: an empty box means 0.0; text that is not a finite
// number, or a voltage beyond 1e6 V either way, is refused with a message and the box stays
// open with nothing changed.
void battokbtClick(Workbench& bench, WidgetId);
// The cell value taken as the box's Ok takes it, without the box's range: a circuit read from a
// file sets what the file holds.
void acceptCellValue(Workbench& bench, double value);

// The needle drag: X, Y in picture pixels over the 50-pixel dial above the battery terminals,
// 0.2 V per pixel from the dial's left end; moves off the dial are ignored.
void dragNeedle(Workbench& bench, int x, int y);
// The variable supply's voltage stepped by a key, on tenths of a volt within the dial's 0 to
// 10 V; nothing while the source is cells.
void stepSupplyVoltage(Workbench& bench, double step);

} // namespace voltaro
