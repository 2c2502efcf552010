#pragma once

#include "model/circuit_tables.h"

namespace voltaro {

// How much room one lane needs: `length` element places along its side (the sum of the longest
// branches of its blocks) and `depth` the largest number of branches in use in one block.
struct LaneSize {
    int length = 0;
    int depth = 0;
};

// Per block: branches in use and the longest branch (largest element count of its branches).
struct BlockSize {
    int branches = 0;
    int longest = 0;
};

// The geometry numbers kept next to the circuit: side lengths (pixels along a side for its
// elements), lane and block sizes, and the offsets the handle drag records for re-anchoring.
struct LayoutState {
    Table1<int, kSides> sideLength{0, 390, 300, 0, 390};
    Table1<Table1<LaneSize, kLanes>, kSides> lanes{};
    Table1<Table1<Table1<BlockSize, kBlocks>, kLanes>, kSides> blocks{};
    int bottomAnchorOffset = 0; // p4 left - cor3 left
    int topAnchorOffset = 0;    // p1 left + top side length - cor2 left
};

// Lane sizes as a reset leaves them: (1, 1) for lane 1, (0, 0) for lanes 2 and 3 of every side.
void resetLaneSizes(LayoutState& layout);

} // namespace voltaro
