#pragma once

#include "model/circuit_tables.h"
#include "model/markers.h"

namespace voltaro {

// The table part of the reset to the default circuit: one block in lane 1 of every side, one
// branch in it, and on the top, right and bottom sides one wire whose two slot markers are the
// only ones shown. The hidden side keeps its records and markers, except that the corner link
// (slot 217) becomes a closed conductor.
void resetTables(CircuitTables& tables, Markers& markers);

} // namespace voltaro
