#pragma once

#include "bench/bindings.h"
#include "solver/meter_ranges.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The leads rest this many pixels above the meter panel.
constexpr int kLeadRestRise = 20;

// Puts the meter into a mode: the check mark on `None1`, `Voltage1` or `current1`, "---" on the
// display, the unit letter and range labels of the mode, the panel and the leads shown (at
// rest above the panel) unless the mode is Off, no lead on a point; then paints. The fuse is
// left as it is.
void setMeterMode(Workbench& bench, MeterMode mode);

// The hidden mode entries of the Meter menu.
void None1Click(Workbench& bench, MenuId);
void Voltage1Click(Workbench& bench, MenuId);
void current1Click(Workbench& bench, MenuId);

// Puts a lead (1 black, 2 red) at rest 20 pixels above the panel, 20 pixels left (black) or
// right (red) of its centre, off every point: no slot, no potential, so the next paint does not
// measure where it was.
void parkLeadAtRest(Workbench& bench, int lead);
void parkLeadsAtRest(Workbench& bench);

} // namespace voltaro
