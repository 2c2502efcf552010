#include "app/operations.h"
#include "app/workbench.h"

namespace voltaro {

// The step arrows of a worksheet; nothing is drawn until worksheets are built.
void playbt(Workbench&) {}

} // namespace voltaro
