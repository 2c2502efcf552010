#pragma once

#include "model/circuit_tables.h"
#include "model/layout_state.h"
#include "model/markers.h"
#include "view/point.h"

namespace voltaro {

// The point where a marker's lines meet it.
inline Point anchorOf(const Marker& m) {
    return {m.anchorX(), m.anchorY()};
}

// Where the loop lies for a given handle position. The handle `topsh` sets the top edge,
// `botsh` the bottom and the right edge; the left edge, where the battery stands, is fixed.

// The placement before the first reset: corners and battery terminals from the side squares'
// design places, every slot marker at its start place, and the node-1 markers of the top,
// right and bottom sides shown.
void placeAtStartUp(Markers& markers);

// Corners, the right side's square and the battery terminals from the two handles.
void placeCornersFromHandles(Markers& markers);

// The battery terminals centred between the left corners, keeping their gap of 104 pixels.
void centreBattery(Markers& markers);

// The offsets the handle drag records before it moves anything, so that the side squares keep
// their distance from the corners they hang on.
void recordAnchorOffsets(const Markers& markers, LayoutState& layout);

// After the corners moved: the side squares back on their corners, with the recorded offsets,
// and the side lengths that follow.
void reanchorSideSquares(Markers& markers, LayoutState& layout);

// The side lengths that follow from the corners and the side squares: the top side ends
// `topAnchorOffset` pixels beyond `cor2`, the right side and the bottom side 20 pixels before
// the corner they run to (`cor3`, `cor4`); the hidden side has none.
void setSideLengths(const Markers& markers, int topAnchorOffset, Table1<int, kSides>& sideLength);

// Lane and block sizes from the tables; then the top and bottom side lengths and `p4`, which
// make room for the lanes of the right side.
void sizeLanes(const CircuitTables& tables, Markers& markers, LayoutState& layout);

} // namespace voltaro
