#pragma once

#include "model/widgets.h"
#include "solver/meter_ranges.h"

#include <array>

namespace voltaro {

struct Workbench;

// What the meter's widgets and menu entries say of its state, for the handlers and the
// internal operations alike.

// The mode the check marks of `None1`, `Voltage1` and `current1` say.
MeterMode meterMode(const Workbench& bench);

// The five range buttons `arb`..`erb`, Tags 1..5.
const std::array<WidgetId, 5>& meterRangeButtons();
// The range 1..5 of the selected range button; 1 when none is selected.
int selectedMeterRange(const Workbench& bench);

// The fuse is the colour of the display `currenteb`: white intact, black blown.
bool fuseBlown(const Workbench& bench);
void blowFuse(Workbench& bench);

// Whether the break was made at one of the four corners, which opens the corner link.
bool breakAtCorner(const Workbench& bench);

} // namespace voltaro
