#pragma once

#include <optional>

namespace voltaro {

// The fixed shape of the circuit tree. Every table is indexed from 1.
constexpr int kSides = 4;     // 1 top, 2 right, 3 hidden, 4 bottom; in series
constexpr int kLanes = 3;     // lanes of a side, in parallel
constexpr int kBlocks = 3;    // blocks of a lane, in series
constexpr int kBranches = 3;  // branches of a block, in parallel
constexpr int kPositions = 4; // nodes of a branch; element n lies between node n and n + 1
constexpr int kElementsPerBranch = kPositions - 1;
constexpr int kSlots = kSides * kLanes * kBlocks * kBranches * kPositions; // 432

constexpr int kTopSide = 1;
constexpr int kRightSide = 2;
constexpr int kHiddenSide = 3;
constexpr int kBottomSide = 4;

// The record of slot 217, the single element of the hidden side: the corner link that a break
// at a corner opens.
constexpr int kCornerLinkSlot = 217;

// The address of one node of the tree. A slot number is its index in 1..432.
struct SlotAddress {
    int side = 1;
    int lane = 1;
    int block = 1;
    int branch = 1;
    int position = 1;

    friend bool operator==(const SlotAddress& a, const SlotAddress& b) {
        return a.side == b.side && a.lane == b.lane && a.block == b.block && a.branch == b.branch &&
               a.position == b.position;
    }
};

bool isValidSlot(int slot);

// (side-1)*108 + (lane-1)*36 + (block-1)*12 + (branch-1)*4 + position.
constexpr int slotNumber(int side, int lane, int block, int branch, int position) {
    return (side - 1) * 108 + (lane - 1) * 36 + (block - 1) * 12 + (branch - 1) * 4 + position;
}
constexpr int slotNumber(const SlotAddress& a) {
    return slotNumber(a.side, a.lane, a.block, a.branch, a.position);
}

// Decodes a slot number; a number outside 1..432 (the meter hands over 0 for its own side of a
// break) has no address.
std::optional<SlotAddress> decodeSlot(int slot);

// A count read from a table, bounded to what the tables can hold (0..3). Every walker of the
// tables goes through it, so that a stray count never reaches outside them.
constexpr int boundedCount(int count) {
    return count < 0 ? 0 : (count > 3 ? 3 : count);
}

} // namespace voltaro
