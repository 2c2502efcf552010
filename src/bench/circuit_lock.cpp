#include "bench/circuit_lock.h"

#include "bench/workbench.h"

namespace voltaro {

void showLock(Workbench& bench, bool locked) {
    for (MenuId entry : {MenuId::Options1, MenuId::Add1, MenuId::Bulb1, MenuId::Wire2})
        bench.menu(entry).enabled = !locked;
}

} // namespace voltaro
