#include "view/geometry.h"

#include <algorithm>

namespace voltaro {

namespace {

constexpr int kLeftEdge = 34;       // left of the left corners and the battery terminals
constexpr int kBatteryNegTop = 236; // the battery terminals at start-up, 104 apart
constexpr int kBatteryGap = 104;
constexpr int kSideEndGap = 20; // from the end of the right and the bottom side to the corner

// Lanes and branches start spread in the order 2, 1, 3 across their side: number 1 on the
// side's line, 2 before it, 3 after it.
int spreadRank(int n) {
    static const int rank[] = {0, 2, 1, 3};
    return rank[n];
}

void placeStartUpSlotMarker(Markers& markers, const SlotAddress& a) {
    const int across = (spreadRank(a.branch) - 2) * 20 + (spreadRank(a.lane) - 2) * 80;
    const int along = (a.block - 1) * 100 + 20 + (a.position - 1) * 40;
    static const MarkerId squares[] = {MarkerId::p1, MarkerId::p1, MarkerId::p2, MarkerId::p3,
                                       MarkerId::p4};
    const Marker& square = markers[squares[a.side]];
    Marker& m = markers.slot(slotNumber(a));
    switch (a.side) {
    case kTopSide:
        m.top = square.top + across;
        m.left = square.left + along;
        break;
    case kBottomSide:
        m.top = square.top - across;
        m.left = square.left - along;
        break;
    default: // the right and the hidden side run downwards
        m.top = square.top + along;
        m.left = square.left + across;
        break;
    }
}

} // namespace

void placeAtStartUp(Markers& markers) {
    Marker& cor1 = markers[MarkerId::cor1];
    Marker& cor2 = markers[MarkerId::cor2];
    Marker& cor3 = markers[MarkerId::cor3];
    Marker& cor4 = markers[MarkerId::cor4];
    const Marker& p1 = markers[MarkerId::p1];
    const Marker& p2 = markers[MarkerId::p2];
    const Marker& p4 = markers[MarkerId::p4];
    cor1.top = p1.top;
    cor1.left = kLeftEdge;
    cor2.top = p1.top;
    cor2.left = p2.left;
    cor3.top = p4.top;
    cor3.left = p2.left;
    cor4.top = p4.top;
    cor4.left = cor1.left;

    markers[MarkerId::battneg].left = cor1.left;
    markers[MarkerId::battpos].left = cor1.left;
    markers[MarkerId::battneg].top = kBatteryNegTop;
    markers[MarkerId::battpos].top = kBatteryNegTop + kBatteryGap;

    for (int slot = 1; slot <= kSlots; ++slot)
        placeStartUpSlotMarker(markers, *decodeSlot(slot));
    for (int side : {kTopSide, kRightSide, kBottomSide})
        markers.slot(slotNumber(side, 1, 1, 1, 1)).visible = true;
}

void placeCornersFromHandles(Markers& markers) {
    const Marker& topsh = markers[MarkerId::topsh];
    const Marker& botsh = markers[MarkerId::botsh];
    Marker& cor1 = markers[MarkerId::cor1];
    Marker& cor2 = markers[MarkerId::cor2];
    Marker& cor3 = markers[MarkerId::cor3];
    Marker& cor4 = markers[MarkerId::cor4];
    cor3.left = botsh.left - 7;
    cor3.top = botsh.top - 7;
    cor2.top = topsh.top + 7;
    markers[MarkerId::p2].top = cor2.top + 18;
    cor1.top = cor2.top;
    cor2.left = cor3.left; // the right edge follows botsh alone
    cor4.top = cor3.top;
    centreBattery(markers);
}

void centreBattery(Markers& markers) {
    const int top = markers[MarkerId::cor1].top;
    const int bottom = markers[MarkerId::cor4].top;
    Marker& battneg = markers[MarkerId::battneg];
    Marker& battpos = markers[MarkerId::battpos];
    battneg.top = top + ((bottom - top) - (battpos.top - battneg.top)) / 2;
    battpos.top = battneg.top + kBatteryGap;
}

void recordAnchorOffsets(const Markers& markers, LayoutState& layout) {
    layout.bottomAnchorOffset = markers[MarkerId::p4].left - markers[MarkerId::cor3].left;
    layout.topAnchorOffset =
        markers[MarkerId::p1].left + layout.sideLength[kTopSide] - markers[MarkerId::cor2].left;
}

void reanchorSideSquares(Markers& markers, LayoutState& layout) {
    const Marker& cor3 = markers[MarkerId::cor3];
    Marker& p1 = markers[MarkerId::p1];
    Marker& p2 = markers[MarkerId::p2];
    Marker& p4 = markers[MarkerId::p4];
    p1.top = markers[MarkerId::cor1].top;
    p2.left = cor3.left;
    p4.left = cor3.left + layout.bottomAnchorOffset;
    p4.top = cor3.top;
    setSideLengths(markers, layout.topAnchorOffset, layout.sideLength);
}

void setSideLengths(const Markers& markers, int topAnchorOffset, Table1<int, kSides>& sideLength) {
    sideLength[kTopSide] =
        markers[MarkerId::cor2].left + topAnchorOffset - markers[MarkerId::p1].left;
    sideLength[kRightSide] = markers[MarkerId::cor3].top - markers[MarkerId::p2].top - kSideEndGap;
    sideLength[kHiddenSide] = 0;
    sideLength[kBottomSide] =
        markers[MarkerId::p4].left - markers[MarkerId::cor4].left - kSideEndGap;
}

namespace {

// Sizes of one lane. Branches in use are counted for all three blocks of a lane in use, also
// for blocks beyond its count, and so reach its depth; the longest branch only for blocks in
// use.
void sizeLane(const CircuitTables& tables, int side, int lane, LayoutState& layout) {
    const int n = tables.blocksInUse(side, lane);
    LaneSize& size = layout.lanes[side][lane];
    size = LaneSize{};
    for (int block = 1; block <= kBlocks; ++block) {
        BlockSize& b = layout.blocks[side][lane][block];
        b = BlockSize{};
        if (n != 0)
            b.branches = branchesInUse(tables, side, lane, block);
        if (n != 0 && block <= n)
            for (int branch = 1; branch <= kBranches; ++branch)
                b.longest = std::max(b.longest, tables.elementsInUse(side, lane, block, branch));
        size.length += b.longest;
    }
    if (n != 0)
        for (int block = 1; block <= kBlocks; ++block)
            size.depth = std::max(size.depth, layout.blocks[side][lane][block].branches);
}

} // namespace

void sizeLanes(const CircuitTables& tables, Markers& markers, LayoutState& layout) {
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            sizeLane(tables, side, lane, layout);

    // The top and bottom sides end where the right side's lanes begin.
    const int k = lanesInUse(tables, kRightSide);
    const int d1 = layout.lanes[kRightSide][1].depth;
    const int d2 = layout.lanes[kRightSide][2].depth;
    const int right = markers[MarkerId::cor2].left;
    const int width = right - markers[MarkerId::cor1].left;
    int sideWidth = 0;
    int p4Left = 0;
    if (k == 1) {
        sideWidth = width - 20 * d1 - 10;
        p4Left = right - 20 * d1 - 10;
    } else if (k == 2) {
        sideWidth = width - 40 * d1 - 10;
        p4Left = right - 40 * d1 + 10;
    } else {
        sideWidth = width - 40 * d1 - 20 * d2 + 10;
        p4Left = right - 40 * d1 - 20 * d2 + 30;
    }
    layout.sideLength[kTopSide] = sideWidth;
    layout.sideLength[kBottomSide] = sideWidth;
    markers[MarkerId::p4].left = p4Left;
}

} // namespace voltaro
