#include "solver/solver.h"

namespace voltaro {

namespace {

// A lane whose series resistance is below this many ohms drops no voltage across its blocks.
constexpr double kShortedLaneResistance = 1e-4;

// The element rule: one record folded into a working series sum.
double addInSeries(double sum, const ElementRecord& r) {
    if (r.switchFlag == 1 && r.openFlag == 0)
        return sum;
    if (r.switchFlag == 1 && r.openFlag == 1)
        return kOpenSentinel;
    if (r.switchFlag == 0 && sum != kOpenSentinel)
        return sum + r.resistance;
    return sum;
}

// The combination rule: one parallel part's series sum folded into a conductance sum, where
// kOpenSentinel stands for a short.
double addInParallel(double conductance, double seriesSum) {
    if (seriesSum == 0.0)
        return kOpenSentinel;
    if (seriesSum == kOpenSentinel)
        return conductance;
    if (conductance != kOpenSentinel)
        return conductance + 1.0 / seriesSum;
    return conductance;
}

// A block's series contribution: a shorted block adds nothing, an open one opens the sum.
double addBlockInSeries(double sum, double blockResistance) {
    if (blockResistance == 0.0)
        return sum;
    if (blockResistance == kOpenSentinel)
        return kOpenSentinel;
    if (sum != kOpenSentinel)
        return sum + blockResistance;
    return sum;
}

double laneSeriesResistance(const CircuitTables& tables, const SolverResults& results, int side,
                            int lane) {
    double sum = 0.0;
    for (int block = 1; block <= tables.blocksInUse(side, lane); ++block)
        sum = addBlockInSeries(sum, results.blockResistance[side][lane][block]);
    return sum;
}

void solveBlockResistances(const CircuitTables& tables, SolverResults& results) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block) {
                double g = 0.0;
                for (int branch = 1; branch <= kBranches; ++branch)
                    if (tables.elementsInUse(side, lane, block, branch) != 0)
                        g = addInParallel(
                            g, branchSeriesResistance(tables, side, lane, block, branch));
                double& r = results.blockResistance[side][lane][block];
                r = g == 0.0 ? kOpenSentinel : (g == kOpenSentinel ? 0.0 : 1.0 / g);
            }
}

void solveSideResistances(const CircuitTables& tables, SolverResults& results) {
    results.totalResistance = 0.0;
    for (int side = 1; side <= kSides; ++side) {
        double g = 0.0;
        for (int lane = 1; lane <= kLanes; ++lane)
            if (tables.blocksInUse(side, lane) != 0)
                g = addInParallel(g, laneSeriesResistance(tables, results, side, lane));
        double& r = results.sideResistance[side];
        r = g == 0.0 ? kOpenSideResistance : (g == kOpenSentinel ? 0.0 : 1.0 / g);
        results.totalResistance += r;
    }
}

void solveLanes(const CircuitTables& tables, SolverResults& results) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane) {
            const int blocks = tables.blocksInUse(side, lane);
            if (blocks == 0)
                continue;
            const double s = laneSeriesResistance(tables, results, side, lane);
            const double sideVoltage = results.sideVoltage[side];
            double& laneCurrent = results.laneCurrent[side][lane];
            if (s == kOpenSentinel)
                laneCurrent = 0.0;
            else if (s == 0.0)
                laneCurrent = results.totalCurrent;
            else
                laneCurrent = sideVoltage / s;
            for (int block = 1; block <= blocks; ++block) {
                const double r = results.blockResistance[side][lane][block];
                double& v = results.blockVoltage[side][lane][block];
                if (s == kOpenSentinel) {
                    v = r == kOpenSentinel ? sideVoltage : 0.0;
                    laneCurrent = 0.0;
                } else {
                    v = s < kShortedLaneResistance ? 0.0 : laneCurrent * r;
                }
            }
        }
}

void solveBranchElements(CircuitTables& tables, const SolverResults& results, int side, int lane,
                         int block, int branch) {
    const int n = tables.elementsInUse(side, lane, block, branch);
    const double s = branchSeriesResistance(tables, side, lane, block, branch);
    const double blockVoltage = results.blockVoltage[side][lane][block];
    for (int position = 1; position <= n; ++position) {
        ElementRecord& r = tables.record(side, lane, block, branch, position);
        if (s == kOpenSentinel) {
            r.current = 0.0;
            r.voltage = (r.switchFlag != 0 && r.openFlag != 0) ? blockVoltage : 0.0;
        } else if (s == 0.0) {
            r.voltage = 0.0;
            r.current = results.laneCurrent[side][lane];
        } else {
            r.current = blockVoltage / s;
            r.voltage = r.switchFlag != 0 ? 0.0 : r.current * r.resistance;
        }
    }
}

void solveElements(CircuitTables& tables, const SolverResults& results) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= tables.blocksInUse(side, lane); ++block)
                for (int branch = 1; branch <= kBranches; ++branch)
                    if (tables.elementsInUse(side, lane, block, branch) != 0)
                        solveBranchElements(tables, results, side, lane, block, branch);
}

} // namespace

double branchSeriesResistance(const CircuitTables& tables, int side, int lane, int block,
                              int branch) {
    const int n = tables.elementsInUse(side, lane, block, branch);
    double sum = 0.0;
    for (int position = 1; position <= n + 1; ++position)
        sum = addInSeries(sum, tables.record(side, lane, block, branch, position));
    return sum;
}

void solveNetwork(CircuitTables& tables, double supplyVoltage, SolverResults& results) {
    solveBlockResistances(tables, results);
    solveSideResistances(tables, results);
    results.totalCurrent = results.totalResistance != 0.0 ? supplyVoltage / results.totalResistance
                                                          : kOpenSideResistance;
    for (int side = 1; side <= kSides; ++side)
        results.sideVoltage[side] = results.sideResistance[side] * results.totalCurrent;
    solveLanes(tables, results);
    solveElements(tables, results);
}

int bottomLeftEndSlot(const CircuitTables& tables) {
    int lastBlock = tables.blocksInUse(kBottomSide, 1);
    if (lastBlock == 0)
        lastBlock = 1; // lane 1 always has a block when built with the menus
    const int elements = tables.elementsInUse(kBottomSide, 1, lastBlock, 1);
    return slotNumber(kBottomSide, 1, lastBlock, 1, elements + 1);
}

void stampMeasurementTags(const CircuitTables& tables, Markers& markers) {
    const int batteryNegative = slotNumber(kTopSide, 1, 1, 1, 1);
    markers[MarkerId::cor1].tag = batteryNegative;
    markers[MarkerId::battneg].tag = batteryNegative;
    markers[MarkerId::cor2].tag = slotNumber(kRightSide, 1, 1, 1, 1);
    markers[MarkerId::cor3].tag = kCornerLinkSlot;
    const int endSlot = bottomLeftEndSlot(tables);
    markers[MarkerId::cor4].tag = endSlot;
    markers[MarkerId::battpos].tag = endSlot;
}

} // namespace voltaro
