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

} // namespace voltaro
