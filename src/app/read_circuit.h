#pragma once

#include "model/circuit_list.h"
#include "model/failure.h"

#include <optional>
#include <string>

namespace voltaro {

struct Workbench;

// Reads the current circuit of the list into the model as `cirbt` does: reset, the header
// through the pupil's handlers, the tables, then the loop laid out, solved and painted. A
// malformed description stops the reading; its failure is returned, the reason as the error box
// would show it, and nothing is reported through the platform.
std::optional<Failure> readCurrentCircuit(Workbench& bench);

} // namespace voltaro
