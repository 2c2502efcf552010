#pragma once

#include "model/circuit_tables.h"
#include "model/markers.h"

#include <random>
#include <vector>

// Building circuits directly in the tables, for tests that come before the description reader.
namespace voltaro::test {

ElementRecord wire();
ElementRecord closedSwitch();
ElementRecord openSwitch();
ElementRecord resistor(double ohms);
ElementRecord bulb(ElementKind kind);

// The tables after a reset: one wire on each of the top, right and bottom sides, the closed
// corner link on the hidden side.
CircuitTables defaultTables();

// Puts `elements` into a branch, sets its element count and leaves its end record a closed
// conductor. Lane and block counts are raised when they are too small to include the branch.
void setBranch(CircuitTables& tables, int side, int lane, int block, int branch,
               const std::vector<ElementRecord>& elements);

// The fullest circuit the tables allow: sides 1, 2 and 4 each with 3 lanes of 3 blocks of 3
// branches of 3 resistors of different values.
CircuitTables fullestTables();

// A circuit of random shape: on each of sides 1, 2 and 4 one to three lanes of one to three
// blocks, each with one to three branches of one to three elements, each a resistor of 1 to 1000
// ohms, a bulb, a wire or a switch (one in ten open).
CircuitTables randomTables(std::mt19937& random);

} // namespace voltaro::test
