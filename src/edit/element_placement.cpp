#include "edit/element_placement.h"

#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/element_menu.h"
#include "edit/resistor_box.h"

namespace voltaro {

namespace {

// The record of the current slot, or none when the current slot is no slot number.
ElementRecord* currentRecord(Workbench& bench) {
    if (!isValidSlot(bench.ui.currentSlot))
        return nullptr;
    return &bench.model.tables.record(bench.ui.currentSlot);
}

// Puts a switch into the current slot and remembers the choice in `Switch1`.
void placeSwitch(Workbench& bench, MenuId entry, bool open) {
    ElementRecord* record = currentRecord(bench);
    if (!record)
        return;
    record->switchFlag = 1;
    record->wireFlag = 0;
    record->openFlag = open ? 1 : 0;
    if (open)
        record->kind = ElementKind::Switch;
    MenuEntry& switchEntry = bench.menu(MenuId::Switch1);
    switchEntry.caption = switchCaption(bench, entry);
    switchEntry.tag = bench.menu(entry).tag;
    placeRbt(bench);
}

} // namespace

void Add1Click(Workbench& bench, MenuId entry) {
    const auto kind = static_cast<ElementKind>(bench.menu(entry).tag);
    ElementRecord* record = currentRecord(bench);
    if (!record)
        return;
    bench.ui.selectedKind = kind;
    record->switchFlag = 0;
    record->wireFlag = 0;
    if (kind == ElementKind::Resistor) {
        openResistorBox(bench, bench.ui.currentSlot);
        record->kind = ElementKind::Resistor;
    } else {
        record->resistance = bulbResistance(kind);
        record->kind = kind;
    }
    placeRbt(bench);
}

void Open3Click(Workbench& bench, MenuId entry) {
    placeSwitch(bench, entry, true);
}

void Closed3Click(Workbench& bench, MenuId entry) {
    placeSwitch(bench, entry, false);
}

void Wire1Click(Workbench& bench, MenuId) {
    ElementRecord* record = currentRecord(bench);
    if (!record)
        return;
    record->makeClosedConductor();
    record->wireFlag = 1;
    record->kind = ElementKind::Wire;
    placeRbt(bench);
}

void reisitor1Click(Workbench& bench, MenuId entry) {
    bench.menu(MenuId::reisitor1).checked = false;
    bench.menu(MenuId::Lightbulb1).checked = false;
    bench.menu(entry).checked = true;
    bench.ui.selectedKind = static_cast<ElementKind>(bench.menu(entry).tag);
    placeRbt(bench);
}

} // namespace voltaro
