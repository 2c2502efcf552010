#include "app/operations.h"
#include "app/workbench.h"

namespace voltaro {

// Reading a circuit description into the model; does nothing until descriptions are built.
void cirbt(Workbench&) {}

} // namespace voltaro
