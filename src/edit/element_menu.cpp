#include "edit/element_menu.h"

#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "edit/popups.h"

namespace voltaro {

namespace {

bool circuitLocked(const Workbench& bench) {
    return !bench.model.menus.optionsEnabled();
}

} // namespace

void setElementEntriesVisible(Workbench& bench, bool visible) {
    setEntriesVisible(bench, {MenuId::Add1, MenuId::Bulb1, MenuId::Switch1, MenuId::Wire2},
                      visible);
}

Text switchCaption(const Workbench& bench, MenuId choice) {
    return Text(kSwitchCaption).arg(bench.menu(choice).caption);
}

Text switchCaptionFor(const Workbench& bench, const ElementRecord& record,
                      int lastChosenSwitchTag) {
    if (record.wireFlag == 1 || record.switchFlag == 0)
        return switchCaption(bench, MenuId::Closed3);
    return switchCaption(bench, lastChosenSwitchTag == 1 ? MenuId::Closed3 : MenuId::Open3);
}

void c7MouseDown(Workbench& bench, MarkerRef marker, int, int) {
    const Marker& pressed = bench.model.markers.at(marker);
    bench.ui.lastClicked = marker;
    bench.ui.currentSlot = pressed.tag;

    MenuEntry& switchEntry = bench.menu(MenuId::Switch1);
    switchEntry.enabled = true;
    bool offersElements = false;
    if (const auto at = decodeSlot(pressed.tag)) {
        const ElementRecord& record = bench.model.tables.record(pressed.tag);
        if (circuitLocked(bench) && record.kind != ElementKind::Switch)
            switchEntry.enabled = false;
        switchEntry.caption = switchCaptionFor(bench, record, switchEntry.tag);
        const int elements =
            bench.model.tables.elementsInUse(at->side, at->lane, at->block, at->branch);
        offersElements = elements >= at->position && !marker.is(MarkerId::ampsh);
    }
    setElementEntriesVisible(bench, offersElements);
    requestPopupAt(bench, MenuId::secondpu, pressed);
}

} // namespace voltaro
