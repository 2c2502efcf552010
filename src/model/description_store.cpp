#include "model/description_store.h"

namespace voltaro {

namespace {

void storeLaneCounts(const std::vector<int>& counts, CircuitTables& tables) {
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const int side = static_cast<int>(i) / kLanes + 1;
        const int lane = static_cast<int>(i) % kLanes + 1;
        tables.blocks(side, lane) = counts[i];
    }
}

void storeElement(const ElementReading& from, ElementRecord& to) {
    if (from.fieldsRead > 0)
        to.switchFlag = from.switchFlag;
    if (from.fieldsRead > 1)
        to.openFlag = from.openFlag;
    if (from.fieldsRead > 2)
        to.wireFlag = from.wireFlag;
    if (from.fieldsRead > 3)
        to.resistance = from.resistance;
    if (from.fieldsRead > 4)
        to.kind = static_cast<ElementKind>(from.kind);
}

void storeBranch(const BranchReading& branch, CircuitTables& tables, Markers& markers) {
    SlotAddress at = branch.branch;
    tables.elementCount(at.side, at.lane, at.block, at.branch) = branch.count;
    const bool shown = at.side != kHiddenSide;
    int position = 1;
    for (const ElementReading& element : branch.elements) {
        at.position = position++;
        if (shown)
            markers.slot(slotNumber(at)).visible = true;
        storeElement(element, tables.record(slotNumber(at)));
    }
    const bool wholeBranch = static_cast<int>(branch.elements.size()) == branch.count &&
                             (branch.elements.empty() || branch.elements.back().fieldsRead == 5);
    if (!wholeBranch || branch.count > kElementsPerBranch)
        return;
    at.position = branch.count + 1;
    if (shown && branch.count > 0)
        markers.slot(slotNumber(at)).visible = true;
    tables.record(slotNumber(at)).makeClosedConductor();
}

// A lane or branch that the description leaves out keeps no marker of the circuit before.
void hideMarkersOutOfUse(const CircuitTables& tables, Markers& markers) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= kBlocks; ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    const int first = slotNumber(side, lane, block, branch, 1);
                    const int inUse = nodesInUse(tables, side, lane, block, branch);
                    for (int position = inUse + 1; position <= kPositions; ++position)
                        markers.slot(first + position - 1).visible = false;
                }
}

} // namespace

void storeCircuitData(const DescriptionReading& reading, CircuitTables& tables, Markers& markers) {
    storeLaneCounts(reading.laneCounts, tables);
    for (const BranchReading& branch : reading.branches)
        storeBranch(branch, tables, markers);
    hideMarkersOutOfUse(tables, markers);
}

} // namespace voltaro
