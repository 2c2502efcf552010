#include "bench/break_state.h"

#include "bench/workbench.h"

namespace voltaro {

void showBreakState(Workbench& bench) {
    const bool broken = bench.meter.hasBreak();
    bench.menu(MenuId::Break1).enabled = !broken;
    bench.menu(MenuId::Join1).enabled = broken;
    bench.marker(MarkerId::ampsh).visible = broken;
}

} // namespace voltaro
