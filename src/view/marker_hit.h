#pragma once

#include "model/markers.h"

#include <optional>

namespace voltaro {

// The visible marker under a board point, the topmost first: the reverse of the order in which
// the board draws them. A marker takes the points of its whole Width x Height box.
std::optional<MarkerRef> markerAt(const Markers& markers, int x, int y);

} // namespace voltaro
