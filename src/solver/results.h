#pragma once

#include "model/circuit_tables.h"

namespace voltaro {

// -999.0: an open series sum or block (infinite resistance); in a conductance sum, a short.
constexpr double kOpenSentinel = -999.0;
// The resistance of an open side, and the total current when the total resistance is 0.
constexpr double kOpenSideResistance = 9999999.0;

// What one solve computes. Element voltages and currents go into the element records. Values
// of lanes and blocks that are not in use are left as an earlier solve wrote them.
struct SolverResults {
    Table1<Table1<Table1<double, kBlocks>, kLanes>, kSides> blockResistance{};
    Table1<double, kSides> sideResistance{};
    Table1<double, kSides> sideVoltage{};
    double totalResistance = 0.0;
    double totalCurrent = 0.0;
    Table1<Table1<double, kLanes>, kSides> laneCurrent{};
    Table1<Table1<Table1<double, kBlocks>, kLanes>, kSides> blockVoltage{};

    // Some side is open: what flows round the loop is leakage through its stand-in resistance.
    bool anySideOpen() const {
        for (int side = 1; side <= kSides; ++side)
            if (sideResistance[side] == kOpenSideResistance)
                return true;
        return false;
    }
};

} // namespace voltaro
