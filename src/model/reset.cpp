#include "model/reset.h"

namespace voltaro {

namespace {

void resetSideRecords(CircuitTables& tables, Markers& markers, int side) {
    for (int lane = 1; lane <= kLanes; ++lane)
        for (int block = 1; block <= kBlocks; ++block)
            for (int branch = 1; branch <= kBranches; ++branch)
                for (int position = 1; position <= kPositions; ++position) {
                    const int slot = slotNumber(side, lane, block, branch, position);
                    markers.slot(slot).visible =
                        lane == 1 && block == 1 && branch == 1 && position <= 2;
                    ElementRecord& r = tables.record(slot);
                    r.switchFlag = 1;
                    r.openFlag = 0;
                    r.resistance = 100.0;
                    r.wireFlag = 1;
                    r.kind = ElementKind::Resistor;
                }
}

} // namespace

void resetTables(CircuitTables& tables, Markers& markers) {
    for (int side = 1; side <= kSides; ++side) {
        tables.blocks(side, 1) = 1;
        tables.blocks(side, 2) = 0;
        tables.blocks(side, 3) = 0;
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= kBlocks; ++block) {
                markers.branch(side, lane, block).visible = false;
                tables.elementCount(side, lane, block, 1) = 1;
                tables.elementCount(side, lane, block, 2) = 0;
                tables.elementCount(side, lane, block, 3) = 0;
            }
    }
    for (int side : {kTopSide, kRightSide, kBottomSide})
        resetSideRecords(tables, markers, side);
    tables.record(kCornerLinkSlot).makeClosedConductor();
}

} // namespace voltaro
