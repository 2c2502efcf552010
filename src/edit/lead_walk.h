#pragma once

#include "model/markers.h"

#include <optional>

namespace voltaro {

struct Workbench;

// The measuring point a lead moves to by an arrow key: the nearest one that way (dx, dy a unit
// step along one axis) from where the lead lies, preferring points within 45 degrees of the
// direction and counting a step aside twice a step along it. The points are those a lead snaps
// onto, and the break marker while a break exists. None when nothing lies that way.
std::optional<MarkerRef> nextMeasuringPoint(const Workbench& bench, const Marker& lead, int dx,
                                            int dy);

} // namespace voltaro
