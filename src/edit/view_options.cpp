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

} // namespace voltaro
