#pragma once

#include "model/circuit_tables.h"
#include "model/description.h"
#include "model/markers.h"

namespace voltaro {

// Stores the lane table and the element data of a reading into the tables, as far as they were
// read: lane counts, element counts and records, and the slot markers of the nodes of every
// branch read (never on the hidden side). The end record of every branch read is left a closed
// conductor, so that no circuit depends on the one read before it; a slot marker that is then on
// no node in use is hidden.
void storeCircuitData(const DescriptionReading& reading, CircuitTables& tables, Markers& markers);

} // namespace voltaro
