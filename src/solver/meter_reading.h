#pragma once

#include "model/circuit_tables.h"
#include "model/markers.h"
#include "solver/results.h"

namespace voltaro {

// Whether the ammeter is in series across the break: one lead exactly on the break marker
// `ampsh` and the other exactly on the marker where the break was made.
bool leadsAcrossBreak(const Marker& black, const Marker& red, const Marker& breakMarker,
                      const Marker& breakShape);

// Closes or opens the break: at a corner the corner link (slot 217), elsewhere the end record
// of the break slot's branch. A number that is not a slot changes nothing.
void setBreakConducting(CircuitTables& tables, int breakSlot, bool atCorner, bool conducting);

// The loop's total current as the ammeter across a break at `corner` shows it, positive when it
// enters by the red lead. The gap runs down the left edge at cor1 and cor4, so the sign goes by
// the leads' Top there (negated when the red lead is below the black one), and likewise up the
// right side at cor3; at cor2 it runs along the top, negated when the red lead is left.
double cornerBreakCurrent(const SolverResults& results, MarkerId corner, const Marker& black,
                          const Marker& red);

// The current of the element next to a slot's node (the branch's last element for its end
// node), positive when it enters through the red lead: negated on the top side when the red lead
// is left of the black one, on the right side when it is above, on the bottom side when it is
// right. kOpenSentinel when the slot is not a slot or its branch has no element.
double nodeCurrent(const CircuitTables& tables, int slot, const Marker& black, const Marker& red);

} // namespace voltaro
