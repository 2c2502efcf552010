#include "app/shell.h"

#include "app/shell_texts.h"
#include "bench/bench_texts.h"
#include "bench/circuit_lock.h"
#include "bench/operations.h"
#include "bench/platform.h"
#include "bench/workbench.h"
#include "edit/circuit_break.h"
#include "edit/meter_mode.h"
#include "voltaro/version.h"

namespace voltaro {

namespace {

// Ends a worksheet's list, a break and a locked circuit: what the window shows besides the
// circuit goes back to how it starts.
void resetWindowState(Workbench& bench) {
    bench.circuits.count = 1;
    bench.widget(WidgetId::cirplayim).visible = false;
    bench.widget(WidgetId::clb).visible = false;
    bench.ui.caption = kProgramCaption;

    endBreak(bench);
    showLock(bench, false);
}

void putHandlesAtDesignPlaces(Workbench& bench) {
    for (MarkerId handle : {MarkerId::topsh, MarkerId::botsh}) {
        const Marker design = designMarker(handle);
        bench.marker(handle).left = design.left;
        bench.marker(handle).top = design.top;
    }
}

} // namespace

void Reset1Click(Workbench& bench, MenuId) {
    if (!bench.platform->confirm(kResetQuestion))
        return;
    resetWindowState(bench);
    putHandlesAtDesignPlaces(bench);
    resistrestbt(bench);
    resizebt(bench);
    bench.model.tables.record(kCornerLinkSlot).makeClosedConductor();
    reanchorSides(bench);
    None1Click(bench, MenuId::None1);
    bench.menu(MenuId::Options1).enabled = true;
}

void Exit1Click(Workbench& bench, MenuId) {
    bench.ui.closeRequested = true;
}

Text aboutText() {
    return Text(kAboutText).arg(kVoltaroVersion);
}

void About1Click(Workbench& bench, MenuId) {
    bench.platform->showAbout(aboutText());
}

void Keyboard1Click(Workbench& bench, MenuId) {
    bench.platform->showPage(
        kKeyboardTitle, std::vector<Text>(std::begin(kKeyboardLines), std::end(kKeyboardLines)));
}

const std::vector<MenuBinding>& shellMenuBindings() {
    static const std::vector<MenuBinding> bindings = {
        {MenuId::Reset1, Reset1Click},
        {MenuId::Exit1, Exit1Click},
        {MenuId::About1, About1Click},
        {MenuId::Keyboard1, Keyboard1Click},
    };
    return bindings;
}

} // namespace voltaro
