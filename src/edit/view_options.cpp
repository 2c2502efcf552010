#include "edit/view_options.h"

#include "bench/operations.h"
#include "bench/workbench.h"

namespace voltaro {

void ShowResistance1Click(Workbench& bench, MenuId entry) {
    MenuEntry& option = bench.menu(entry);
    option.checked = !option.checked;
    MenuEntry& brightness = bench.menu(MenuId::ShowBright1);
    brightness.tag = brightness.checked ? 0 : 1;
    placeRbt(bench);
}

bool currentDotsMove(const Workbench& bench) {
    return bench.model.menus.showCurrent() && !bench.flow.paths.empty();
}

void advanceCurrentDots(Workbench& bench, double seconds) {
    advanceFlow(bench.flow, seconds);
}

} // namespace voltaro
