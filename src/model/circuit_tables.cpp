#include "model/circuit_tables.h"

namespace voltaro {

int lanesInUse(const CircuitTables& tables, int side) {
    int n = 0;
    for (int lane = 1; lane <= kLanes; ++lane)
        if (tables.blocksInUse(side, lane) != 0)
            ++n;
    return n;
}

int branchesInUse(const CircuitTables& tables, int side, int lane, int block) {
    int n = 0;
    for (int branch = 1; branch <= kBranches; ++branch)
        if (tables.elementsInUse(side, lane, block, branch) != 0)
            ++n;
    return n;
}

std::vector<SlotAddress> elementsInWalkOrder(const CircuitTables& tables) {
    std::vector<SlotAddress> addresses;
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch)
                    for (int p = 1; p <= tables.elementsInUse(side, lane, block, branch); ++p)
                        addresses.push_back({side, lane, block, branch, p});
    return addresses;
}

int nodesInUse(const CircuitTables& tables, int side, int lane, int block, int branch) {
    if (side == kHiddenSide || block > tables.blocksInUse(side, lane))
        return 0;
    const int count = tables.elementsInUse(side, lane, block, branch);
    return count > 0 ? count + 1 : 0;
}

bool isNodeInUse(const CircuitTables& tables, const SlotAddress& at) {
    return at.position <= nodesInUse(tables, at.side, at.lane, at.block, at.branch);
}

} // namespace voltaro
