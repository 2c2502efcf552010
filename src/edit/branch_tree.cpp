#include "edit/branch_tree.h"

#include "bench/meter_queries.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/circuit_break.h"
#include "edit/popups.h"
#include "model/lane_labels.h"
#include "solver/meter_reading.h"

namespace voltaro {

namespace {

constexpr MenuId kLaneSubmenus[kLanes] = {MenuId::firstParallel01, MenuId::SecondParallel01,
                                          MenuId::thirdParallel31};
constexpr MenuId kBranchSubmenus[kBranches] = {MenuId::firstpu1, MenuId::secondpu1,
                                               MenuId::thirdpu1};

bool isEditableSide(int side) {
    return side == kTopSide || side == kRightSide || side == kBottomSide;
}

void showBranchMarkers(Markers& markers, int side, int lane, int block, int branch, int count) {
    for (int position = 1; position <= kPositions; ++position)
        markers.slot(slotNumber(side, lane, block, branch, position)).visible =
            count > 0 && position <= count + 1;
}

void setCurrentSideLane(Workbench& bench, int lane, MenuId entry) {
    const int side = bench.ui.currentSlot;
    if (isEditableSide(side))
        setLaneBlocks(bench, side, lane, bench.menu(entry).tag);
}

void setCurrentBlockBranch(Workbench& bench, int branch, MenuId entry) {
    if (const auto at = decodeSlot(bench.ui.currentSlot))
        setBranchElements(bench, at->side, at->lane, at->block, branch, bench.menu(entry).tag);
}

// Whether a break made at a node (not a corner) lies in the given branch; such a break is held
// by the branch's end record.
bool nodeBreakInBranch(const Workbench& bench, int side, int lane, int block, int branch) {
    if (!bench.meter.hasBreak() || breakAtCorner(bench))
        return false;
    const auto at = decodeSlot(bench.meter.breakSlot);
    return at && at->side == side && at->lane == lane && at->block == block && at->branch == branch;
}

} // namespace

void p1MouseDown(Workbench& bench, MarkerRef square, int, int) {
    const Marker& pressed = bench.model.markers.at(square);
    const int side = pressed.tag;
    bench.ui.currentSlot = side;
    if (!isEditableSide(side))
        return;
    for (int lane = 1; lane <= kLanes; ++lane)
        bench.menu(kLaneSubmenus[lane - 1]).caption =
            laneCaption(side, lane, bench.model.tables.blocks(side, lane));
    requestPopupAt(bench, MenuId::firstpu, pressed);
}

void N03Click(Workbench& bench, MenuId entry) {
    setCurrentSideLane(bench, 1, entry);
}

void N02Click(Workbench& bench, MenuId entry) {
    setCurrentSideLane(bench, 2, entry);
}

void N01Click(Workbench& bench, MenuId entry) {
    setCurrentSideLane(bench, 3, entry);
}

void c11MouseDown(Workbench& bench, MarkerRef marker, int, int) {
    const Marker& pressed = bench.model.markers.at(marker);
    bench.ui.currentSlot = pressed.tag;
    const auto at = decodeSlot(pressed.tag);
    if (!at)
        return;
    for (int branch = 1; branch <= kBranches; ++branch)
        bench.menu(kBranchSubmenus[branch - 1]).caption =
            laneCaption(at->side, branch,
                        bench.model.tables.elementCount(at->side, at->lane, at->block, branch));
    requestPopupAt(bench, MenuId::parpu, pressed);
}

void N07Click(Workbench& bench, MenuId entry) {
    setCurrentBlockBranch(bench, 1, entry);
}

void N08Click(Workbench& bench, MenuId entry) {
    setCurrentBlockBranch(bench, 2, entry);
}

void N09Click(Workbench& bench, MenuId entry) {
    setCurrentBlockBranch(bench, 3, entry);
}

void setLaneBlocks(Workbench& bench, int side, int lane, int count) {
    CircuitTables& tables = bench.model.tables;
    Markers& markers = bench.model.markers;
    tables.blocks(side, lane) = count;
    for (int block = 1; block <= kBlocks; ++block) {
        markers.branch(side, lane, block).visible = false;
        for (int branch = 1; branch <= kBranches; ++branch)
            showBranchMarkers(markers, side, lane, block, branch,
                              block <= count ? tables.elementsInUse(side, lane, block, branch) : 0);
    }
    getsizebt(bench);
}

// A break in the branch moves with its end record, so that the old end does not stay open as an
// element and "&Join" closes the record that is open.
void setBranchElements(Workbench& bench, int side, int lane, int block, int branch, int count) {
    CircuitTables& tables = bench.model.tables;
    const bool breakHere = nodeBreakInBranch(bench, side, lane, block, branch);
    bool breakConducting = true;
    if (breakHere) {
        ElementRecord& oldEnd = tables.record(side, lane, block, branch,
                                              tables.elementsInUse(side, lane, block, branch) + 1);
        breakConducting = !oldEnd.isOpen();
        oldEnd.makeClosedConductor();
    }
    tables.elementCount(side, lane, block, branch) = count;
    showBranchMarkers(bench.model.markers, side, lane, block, branch, boundedCount(count));
    for (int position = boundedCount(count) + 1; position <= kPositions; ++position) {
        ElementRecord& record = tables.record(side, lane, block, branch, position);
        record.makeClosedConductor();
        record.resistance = 100.0;
    }
    if (breakHere)
        setBreakConducting(tables, bench.meter.breakSlot, false, breakConducting);
    getsizebt(bench);
}

} // namespace voltaro
