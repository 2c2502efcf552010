#include "support/started_bench.h"

#include "bench/operations.h"

namespace voltaro::test {

namespace {

bool sameMarker(const Marker& a, const Marker& b) {
    return a.left == b.left && a.top == b.top && a.visible == b.visible && a.tag == b.tag;
}

bool sameWidget(const Widget& a, const Widget& b) {
    return a.left == b.left && a.top == b.top && a.visible == b.visible && a.text == b.text &&
           a.caption == b.caption && a.checked == b.checked && a.tag == b.tag;
}

bool sameEntry(const MenuEntry& a, const MenuEntry& b) {
    return a.caption == b.caption && a.tag == b.tag && a.checked == b.checked &&
           a.visible == b.visible && a.enabled == b.enabled;
}

// Undo and redo show the steps taken, not the circuit.
bool isHistoryEntry(MenuId id) {
    return id == MenuId::Undo1 || id == MenuId::Redo1;
}

std::string tableDifference(const CircuitTables& a, const CircuitTables& b) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (!sameElement(a.record(slot), b.record(slot)))
            return "element record " + std::to_string(slot);
    if (a.laneBlocks != b.laneBlocks)
        return "lane table";
    if (a.branchElements != b.branchElements)
        return "branch table";
    return {};
}

std::string markerDifference(const Markers& a, const Markers& b) {
    for (const MarkerRef& ref : markerStackBottomToTop())
        if (!sameMarker(a.at(ref), b.at(ref)))
            return "marker " + std::to_string(static_cast<int>(ref.family)) + "/" +
                   std::to_string(ref.index);
    return {};
}

} // namespace

StartedBench::StartedBench() {
    bench.platform = &platform;
    startUp(bench);
}

bool sameElement(const ElementRecord& a, const ElementRecord& b) {
    return a.switchFlag == b.switchFlag && a.openFlag == b.openFlag &&
           a.resistance == b.resistance && a.wireFlag == b.wireFlag && a.kind == b.kind;
}

std::string firstDifference(const Workbench& a, const Workbench& b) {
    if (std::string d = tableDifference(a.model.tables, b.model.tables); !d.empty())
        return d;
    if (a.model.source.supplyVoltage != b.model.source.supplyVoltage ||
        a.model.source.cellValue != b.model.source.cellValue)
        return "source";
    for (int i = 0; i < kMenuCount; ++i)
        if (!isHistoryEntry(static_cast<MenuId>(i)) &&
            !sameEntry(a.model.menus.entries[i], b.model.menus.entries[i]))
            return std::string("menu entry ") + menuName(static_cast<MenuId>(i));
    for (int i = 0; i < kWidgetCount; ++i)
        if (!sameWidget(a.model.widgets.items[i], b.model.widgets.items[i]))
            return std::string("widget ") + widgetName(static_cast<WidgetId>(i));
    if (std::string d = markerDifference(a.model.markers, b.model.markers); !d.empty())
        return d;
    if (a.ui.caption != b.ui.caption)
        return "caption";
    if (a.circuits.count != b.circuits.count)
        return "circuit count";
    return {};
}

} // namespace voltaro::test
