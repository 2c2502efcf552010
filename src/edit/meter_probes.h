#pragma once

#include "bench/bindings.h"

#include <vector>

namespace voltaro {

struct Workbench;

// The two meter leads `vpos` (black, Tag 1) and `vneg` (red, Tag 2). A press starts a drag; a
// move drags the lead and snaps it onto a measurement point within 3 pixels; a release over the
// meter panel parks it above the panel.
void leadMouseDown(Workbench& bench, MarkerRef lead, int x, int y);
void leadMouseMove(Workbench& bench, MarkerRef lead, int x, int y);
void leadMouseUp(Workbench& bench, MarkerRef lead, int x, int y);

// The measurement points in the order a lead looks for one to snap onto: the slot markers of
// every node of every branch in use on the top, right and bottom sides, then the battery
// terminals and the corners.
std::vector<MarkerRef> measurementPoints(const Workbench& bench);

// After the markers moved (a handle drag, a circuit read, a count changed): the break marker
// keeps its place beside the marker of the break, each lead stays on the point it was snapped
// onto, and a lead whose point is gone is parked at rest, measuring nothing.
void keepMeterOnItsPoints(Workbench& bench);

const std::vector<MarkerBinding>& meterProbeBindings();

} // namespace voltaro
