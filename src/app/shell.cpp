#include "app/shell.h"

#include "app/platform.h"
#include "app/workbench.h"

namespace voltaro {

void Exit1Click(Workbench& bench, MenuId) {
    bench.ui.closeRequested = true;
}

std::string aboutText() {
    return "Product Name:Voltaro\n"
           "Version 1.13\n"
           "A workbench for building and measuring direct-current circuits.";
}

void About1Click(Workbench& bench, MenuId) {
    if (bench.platform)
        bench.platform->showAbout(aboutText());
}

const std::vector<MenuBinding>& shellMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Exit1, Exit1Click},
        {MenuId::About1, About1Click},
    };
    return bindings;
}

} // namespace voltaro
