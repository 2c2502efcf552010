#pragma once

#include "model/widgets.h"
#include "solver/meter_ranges.h"

#include <array>

namespace voltaro {

struct Workbench;

// The meter's state as the handlers and the internal operations share it. The range and the
// fuse live in `MeterState`; the widgets that show them are derived from it here.

// The mode the check marks of `None1`, `Voltage1` and `current1` say.
MeterMode meterMode(const Workbench& bench);

// The five range buttons `arb`..`erb`, Tags 1..5.
const std::array<WidgetId, 5>& meterRangeButtons();
// The range 1..5 of the range switch.
int selectedMeterRange(const Workbench& bench);
// Turns the range switch to a range (1..5; any other is taken as 1).
void selectMeterRange(Workbench& bench, int range);

bool fuseBlown(const Workbench& bench);
void blowFuse(Workbench& bench);
// "Change Fuse": a new fuse, nothing else.
void replaceFuse(Workbench& bench);

// The widgets' look from the meter's state: the display `currenteb` white with the fuse intact
// and black with it blown, the check mark on the range button of the range alone.
void showMeterState(Workbench& bench);

// Whether the break was made at one of the four corners, which opens the corner link.
bool breakAtCorner(const Workbench& bench);

} // namespace voltaro
