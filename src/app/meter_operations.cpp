#include "app/operations.h"
#include "app/workbench.h"

namespace voltaro {

// The multimeter's operations; they do nothing until the meter is built.
void getvbt(Workbench&) {}
void meterbt(Workbench&) {}
void readingsbt(Workbench&) {}

} // namespace voltaro
