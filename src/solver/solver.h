#pragma once

#include "model/circuit_tables.h"
#include "model/markers.h"
#include "solver/results.h"

namespace voltaro {

// Solves the series-parallel tree: block, side and total resistances bottom-up, then the total
// current, side and block voltages, lane currents and every element's voltage and current
// top-down. Opens and shorts travel as the sentinels of results.h; every test against them
// and against 0 is an exact comparison.
void solveNetwork(CircuitTables& tables, double supplyVoltage, SolverResults& results);

// Series sum of a branch over its elements and its end record (positions 1..count + 1):
// kOpenSentinel when the branch is open.
double branchSeriesResistance(const CircuitTables& tables, int side, int lane, int block,
                              int branch);

// Slot number of the last node before the loop returns to the battery: the end node of branch 1
// of the last block of the bottom side's lane 1.
int bottomLeftEndSlot(const CircuitTables& tables);

// Gives the corner markers and the battery terminals the slot numbers of the nodes they stand
// on, so that a meter lead can measure there: cor1 and battneg 1, cor2 109, cor3 217, cor4 and
// battpos the bottom-left end node.
void stampMeasurementTags(const CircuitTables& tables, Markers& markers);

} // namespace voltaro
