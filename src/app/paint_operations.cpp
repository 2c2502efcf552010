#include "app/operations.h"
#include "app/workbench.h"

namespace voltaro {

// The lane sizing and the drawing of the board picture arrive with the board picture; until
// then sizing and painting only solve.
void getsizebt(Workbench& bench) {
    placeRbt(bench);
}

void resizebt(Workbench&) {}

void reanchorSides(Workbench&) {}

void placeRbt(Workbench& bench) {
    getrtotalbt(bench);
}

} // namespace voltaro
