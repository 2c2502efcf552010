#include "solver/meter_potential.h"

namespace voltaro {

namespace {

// The lane whose blocks carry a whole side's drop: lane 1, or the first lane in use when lane 1
// is absent (all lanes of a side share its voltage). 0 when the side has none.
int laneAcrossSide(const CircuitTables& tables, int side) {
    for (int lane = 1; lane <= kLanes; ++lane)
        if (tables.blocksInUse(side, lane) > 0)
            return lane;
    return 0;
}

double blockDrops(const CircuitTables& tables, const SolverResults& results, int side, int lane,
                  int blocks) {
    double sum = 0.0;
    const int last =
        blocks < tables.blocksInUse(side, lane) ? blocks : tables.blocksInUse(side, lane);
    for (int block = 1; block <= last; ++block)
        sum += results.blockVoltage[side][lane][block];
    return sum;
}

} // namespace

std::optional<double> nodePotential(const CircuitTables& tables, const SolverResults& results,
                                    int slot) {
    const std::optional<SlotAddress> at = decodeSlot(slot);
    if (!at)
        return std::nullopt;
    double potential = 0.0;
    for (int side = 1; side < at->side; ++side)
        if (const int lane = laneAcrossSide(tables, side))
            potential += blockDrops(tables, results, side, lane, kBlocks);
    potential += blockDrops(tables, results, at->side, at->lane, at->block - 1);
    if (at->block <= tables.blocksInUse(at->side, at->lane)) {
        const int n = tables.elementsInUse(at->side, at->lane, at->block, at->branch);
        for (int position = 1; position < at->position && position <= n; ++position)
            potential += tables.record(at->side, at->lane, at->block, at->branch, position).voltage;
    }
    return potential;
}

} // namespace voltaro
