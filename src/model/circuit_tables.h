#pragma once

#include "model/slot.h"

#include <array>
#include <cstdint>
#include <vector>

namespace voltaro {

// Element kinds: they choose how an element is drawn and which menus apply. The flags of the
// record decide its electrical role. The numbers are the kinds' codes in a description and the
// Tags of the element menu's entries. A record keeps the code its description gave, also one
// not listed here (drawn without a glyph and written back as it came), so a kind reads as its
// code where it is written or shown; its names stay in a namespace of their own.
namespace element_kind {
enum ElementKind : std::int32_t {
    Wire = 0,
    Resistor = 1,
    Bulb1 = 2, // "Bulb #1".."Bulb #3"
    Bulb2 = 3,
    Bulb3 = 4,
    Switch = 6,
};
} // namespace element_kind
using element_kind::ElementKind;

constexpr bool isBulbKind(ElementKind kind) {
    return kind >= ElementKind::Bulb1 && kind <= ElementKind::Bulb3;
}

// Resistance of a bulb kind (5.0, 10.0, 7.5 ohms); 0 for any other kind.
constexpr double bulbResistance(ElementKind kind) {
    switch (kind) {
    case ElementKind::Bulb1:
        return 5.0;
    case ElementKind::Bulb2:
        return 10.0;
    case ElementKind::Bulb3:
        return 7.5;
    default:
        return 0.0;
    }
}

// One element record. Switch flag 0: a load of `resistance`. Switch flag 1 and open flag 1: an
// open circuit. Switch flag 1 and open flag 0: no resistance. Voltage and current are written
// by the solver.
struct ElementRecord {
    std::uint8_t switchFlag = 0;
    std::uint8_t openFlag = 0;
    double resistance = 0.0;
    std::uint8_t wireFlag = 0;
    double voltage = 0.0;
    double current = 0.0;
    ElementKind kind = ElementKind::Wire;

    bool isClosedConductor() const { return switchFlag != 0 && openFlag == 0; }
    bool isOpen() const { return switchFlag != 0 && openFlag != 0; }
    bool isBulb() const { return switchFlag == 0 && isBulbKind(kind); }
    void makeClosedConductor() {
        switchFlag = 1;
        openFlag = 0;
    }
};

template <typename T, int N> using Table1 = std::array<T, N + 1>; // indexed 1..N; [0] unused

// The lane, branch and element tables of the one circuit on the board.
struct CircuitTables {
    // Blocks in use per lane, [side][lane], 0..3; 0 means the lane is absent.
    Table1<Table1<int, kLanes>, kSides> laneBlocks{};
    // Elements per branch, [side][lane][block][branch], 0..3; 0 means the branch is absent.
    Table1<Table1<Table1<Table1<int, kBranches>, kBlocks>, kLanes>, kSides> branchElements{};
    // One record per slot number; the record at position count + 1 of a branch is its end
    // record, which belongs to the branch's last node.
    Table1<ElementRecord, kSlots> elements{};

    int& blocks(int side, int lane) { return laneBlocks[side][lane]; }
    int blocks(int side, int lane) const { return laneBlocks[side][lane]; }
    int& elementCount(int side, int lane, int block, int branch) {
        return branchElements[side][lane][block][branch];
    }
    int elementCount(int side, int lane, int block, int branch) const {
        return branchElements[side][lane][block][branch];
    }
    ElementRecord& record(int slot) { return elements[slot]; }
    const ElementRecord& record(int slot) const { return elements[slot]; }
    ElementRecord& record(int side, int lane, int block, int branch, int position) {
        return elements[slotNumber(side, lane, block, branch, position)];
    }
    const ElementRecord& record(int side, int lane, int block, int branch, int position) const {
        return elements[slotNumber(side, lane, block, branch, position)];
    }

    // Counts as the walkers use them: bounded to 0..3.
    int blocksInUse(int side, int lane) const { return boundedCount(blocks(side, lane)); }
    int elementsInUse(int side, int lane, int block, int branch) const {
        return boundedCount(elementCount(side, lane, block, branch));
    }
};

// Number of lanes of a side in use (block count not 0; a negative count counts as 0).
int lanesInUse(const CircuitTables& tables, int side);
// Number of branches of a block in use (element count not 0).
int branchesInUse(const CircuitTables& tables, int side, int lane, int block);
// Whether a slot is a node of a branch in use on a shown side: in a block its lane uses, in a
// branch with elements, at most one past the last element. Only such nodes show their marker.
bool isNodeInUse(const CircuitTables& tables, const SlotAddress& at);
// How many nodes of a branch are in use in that way: positions 1..n, 0 when none is.
int nodesInUse(const CircuitTables& tables, int side, int lane, int block, int branch);

// The address of every element in use (positions 1..count of every branch in use, in the blocks
// in use) of all four sides, in the walk order: side, lane, block, branch, position.
std::vector<SlotAddress> elementsInWalkOrder(const CircuitTables& tables);

} // namespace voltaro
