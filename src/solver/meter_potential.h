#pragma once

#include "model/circuit_tables.h"
#include "solver/results.h"

#include <optional>

namespace voltaro {

// The potential of a slot's node above the battery's negative terminal (slot 1): the voltage
// drops of the sides, blocks and elements that come before it in slot order. Nothing for a
// number that is not a slot. Walks only lanes, blocks and elements in use.
std::optional<double> nodePotential(const CircuitTables& tables, const SolverResults& results,
                                    int slot);

} // namespace voltaro
