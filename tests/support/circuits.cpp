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

namespace {

int pick(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

ElementRecord randomElement(std::mt19937& random) {
    switch (pick(random, 0, 9)) {
    case 0:
        return wire();
    case 1:
        return pick(random, 0, 9) == 0 ? openSwitch() : closedSwitch();
    case 2:
    case 3:
    case 4:
        return bulb(static_cast<ElementKind>(pick(random, ElementKind::Bulb1, ElementKind::Bulb3)));
    default:
        return resistor(pick(random, 1, 1000));
    }
}

} // namespace

CircuitTables randomTables(std::mt19937& random) {
    CircuitTables tables = defaultTables();
    for (int side : {kTopSide, kRightSide, kBottomSide}) {
        const int lanes = pick(random, 1, kLanes);
        for (int lane = 1; lane <= lanes; ++lane) {
            const int blocks = pick(random, 1, kBlocks);
            for (int block = 1; block <= blocks; ++block) {
                const int branches = pick(random, 1, kBranches);
                for (int branch = 1; branch <= branches; ++branch) {
                    std::vector<ElementRecord> elements(
                        static_cast<std::size_t>(pick(random, 1, kElementsPerBranch)));
                    for (ElementRecord& e : elements)
                        e = randomElement(random);
                    setBranch(tables, side, lane, block, branch, elements);
                }
            }
        }
    }
    return tables;
}

} // namespace voltaro::test
