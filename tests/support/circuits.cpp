#include "support/circuits.h"

#include "model/reset.h"

namespace voltaro::test {

ElementRecord wire() {
    ElementRecord r;
    r.switchFlag = 1;
    r.wireFlag = 1;
    r.kind = ElementKind::Wire;
    r.resistance = 100.0;
    return r;
}

ElementRecord closedSwitch() {
    ElementRecord r;
    r.switchFlag = 1;
    r.kind = ElementKind::Switch;
    r.resistance = 100.0;
    return r;
}

ElementRecord openSwitch() {
    ElementRecord r = closedSwitch();
    r.openFlag = 1;
    return r;
}

ElementRecord resistor(double ohms) {
    ElementRecord r;
    r.kind = ElementKind::Resistor;
    r.resistance = ohms;
    return r;
}

ElementRecord bulb(ElementKind kind) {
    ElementRecord r;
    r.kind = kind;
    r.resistance = bulbResistance(kind);
    return r;
}

CircuitTables defaultTables() {
    CircuitTables tables;
    Markers markers = makeDesignMarkers();
    resetTables(tables, markers);
    return tables;
}

void setBranch(CircuitTables& tables, int side, int lane, int block, int branch,
               const std::vector<ElementRecord>& elements) {
    if (tables.blocks(side, lane) < block)
        tables.blocks(side, lane) = block;
    tables.elementCount(side, lane, block, branch) = static_cast<int>(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i)
        tables.record(side, lane, block, branch, static_cast<int>(i) + 1) = elements[i];
    tables.record(side, lane, block, branch, static_cast<int>(elements.size()) + 1)
        .makeClosedConductor();
}

CircuitTables fullestTables() {
    CircuitTables tables = defaultTables();
    double ohms = 1.0;
    for (int side : {kTopSide, kRightSide, kBottomSide})
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= kBlocks; ++block)
                for (int branch = 1; branch <= kBranches; ++branch) {
                    std::vector<ElementRecord> elements;
                    for (int i = 0; i < kElementsPerBranch; ++i) {
                        elements.push_back(resistor(ohms));
                        ohms += 0.5;
                    }
                    setBranch(tables, side, lane, block, branch, elements);
                }
    return tables;
}

} // namespace voltaro::test
