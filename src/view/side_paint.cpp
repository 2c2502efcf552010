#include "view/side_paint.h"

#include "model/numbers.h"
#include "solver/brightness.h"
#include "view/glyphs.h"

#include <string>

namespace voltaro {

namespace {

constexpr int kBlockMargin = 35; // the fixed part of every block's length
constexpr int kLeadIn = 10;      // from the side origin to the first block
constexpr int kMarkerInset = 20; // from a block start to the first slot marker

// Across-distance of a lane beside another, by its depth.
int twoLaneMagnitude(int depth, int spacing) {
    return (depth * spacing) / 2;
}
int outerLaneDistance(int depth, int spacing) {
    return ((depth + 1) * spacing) / 2;
}
int halfDepth(int depth, int spacing) {
    return ((depth - 1) * spacing) / 2;
}

struct BlockPlace {
    int side;
    int lane;
    int block;
    Point start;  // where the block begins on its lane
    int pitch;    // pixels per element place along the side
    int longest;  // the element count of its longest branch
    int branches; // branches in use
};

// The branch is the `counted`-th in use of its block; the branches spread across the side
// `options.spacing` apart, centred on the block's line, and the shorter ones centred along it.
void paintBranch(Model& model, const SideFrame& frame, const BlockPlace& bp, int branch,
                 int counted, const SidePaintOptions& options, LabelCounters& counters,
                 Canvas& canvas) {
    const int elements = model.tables.elementsInUse(bp.side, bp.lane, bp.block, branch);
    const int pitch = bp.pitch;
    const int longest = bp.longest;
    const int acrossDistance =
        -((bp.branches - 1) * options.spacing) / 2 + (counted - 1) * options.spacing;
    const Point across = acrossDistance * frame.across;
    const int firstMarker = kMarkerInset + ((longest - elements) * pitch) / 2;
    for (int node = 1; node <= elements + 1; ++node) {
        const Point anchor = bp.start + (firstMarker + (node - 1) * pitch) * frame.along + across;
        model.markers.slot(slotNumber(bp.side, bp.lane, bp.block, branch, node))
            .moveAnchorTo(anchor.x, anchor.y);
    }
    const Point railEnd = bp.start + branchRailLength(longest, pitch) * frame.along;
    canvas.polyline({bp.start, bp.start + across, railEnd + across, railEnd,
                     bp.start + blockLength(longest, pitch) * frame.along});

    for (int position = 1; position <= elements; ++position) {
        const int slot = slotNumber(bp.side, bp.lane, bp.block, branch, position);
        const ElementRecord& record = model.tables.record(slot);
        const Marker& startNode = model.markers.slot(slot);
        const Marker& endNode = model.markers.slot(slot + 1);
        ElementLabel label =
            elementLabel(record, options.showResistance, options.labelLoads, counters);
        drawElementLabel(canvas, bp.side, startNode, endNode, label);
        drawElementGlyph(canvas, {startNode.anchorX(), startNode.anchorY()}, frame.along, pitch,
                         record, brightnessOf(record.voltage, record.current),
                         options.brightnessHidden);
    }
    canvas.setPenWidth(1);
    canvas.setPenColour(Colour::Red);
}

void paintLane(Model& model, const SideFrame& frame, int side, int lane, int offset,
               const SidePaintOptions& options, LabelCounters& counters, Canvas& canvas) {
    const LayoutState& layout = model.layout;
    const int blocks = model.tables.blocksInUse(side, lane);
    const int pitch =
        elementPitch(layout.sideLength[side], blocks, layout.lanes[side][lane].length);
    const Point offsetAcross = offset * frame.across;
    int alongDistance = kLeadIn; // from the side's origin to the block's start
    for (int block = 1; block <= blocks; ++block) {
        const BlockSize& size = layout.blocks[side][lane][block];
        const BlockPlace bp{side,  lane,         block,        frame.at(alongDistance, offset),
                            pitch, size.longest, size.branches};
        Marker& branchMarker = model.markers.branch(side, lane, block);
        branchMarker.moveAnchorTo(bp.start.x, bp.start.y);
        if (options.meterOff)
            branchMarker.visible = true;
        if (block == 1)
            canvas.polyline({frame.origin, frame.origin + offsetAcross, bp.start});
        if (block == blocks) {
            const Point end = bp.start + blockLength(bp.longest, pitch) * frame.along;
            canvas.line(laneReturnPoint(frame, side, end, offset), end);
        }
        int counted = 0;
        for (int branch = 1; branch <= kBranches; ++branch)
            if (model.tables.elementsInUse(side, lane, block, branch) > 0)
                paintBranch(model, frame, bp, branch, ++counted, options, counters, canvas);
        alongDistance += blockLength(bp.longest, pitch);
    }
}

} // namespace

SideFrame sideFrame(const Markers& markers, int side) {
    switch (side) {
    case kRightSide: {
        const Marker& p2 = markers[MarkerId::p2];
        return {{p2.anchorX(), p2.anchorY()}, {0, 1}, {1, 0}};
    }
    case kBottomSide: {
        const Marker& p4 = markers[MarkerId::p4];
        return {{p4.anchorX(), p4.anchorY()}, {-1, 0}, {0, 1}};
    }
    default: {
        const Marker& p1 = markers[MarkerId::p1];
        return {{p1.anchorX(), p1.anchorY()}, {1, 0}, {0, 1}};
    }
    }
}

std::array<int, kLanes + 1> laneOffsets(const CircuitTables& tables, const LayoutState& layout,
                                        int side, int spacing) {
    std::array<int, kLanes + 1> offset{};
    int inUse[kLanes] = {};
    int lanes = 0;
    for (int lane = 1; lane <= kLanes; ++lane)
        if (tables.blocksInUse(side, lane) > 0)
            inUse[lanes++] = lane;
    auto depth = [&](int lane) { return layout.lanes[side][lane].depth; };
    if (lanes == 2) {
        offset[inUse[0]] = -twoLaneMagnitude(depth(inUse[0]), spacing);
        offset[inUse[1]] = twoLaneMagnitude(depth(inUse[1]), spacing);
    } else if (lanes == 3) {
        const int middle = halfDepth(depth(2), spacing);
        offset[1] = -(outerLaneDistance(depth(1), spacing) + middle);
        offset[3] = outerLaneDistance(depth(3), spacing) + middle;
    }
    return offset;
}

int elementPitch(int sideLength, int blocks, int laneLength) {
    if (laneLength == 0)
        return 0;
    return (sideLength - kBlockMargin * blocks) / laneLength;
}

int branchRailLength(int longest, int pitch) {
    return longest * pitch + kMarkerInset;
}

int blockLength(int longest, int pitch) {
    return longest * pitch + kBlockMargin;
}

Point laneReturnPoint(const SideFrame& frame, int side, Point laneEnd, int offset) {
    const Point beside = laneEnd - offset * frame.across;
    return side == kRightSide ? beside + kLeadIn * frame.along : beside;
}

void paintSide(Model& model, int side, const SidePaintOptions& options, LabelCounters& counters,
               Canvas& canvas) {
    const SideFrame frame = sideFrame(model.markers, side);
    const auto offsets = laneOffsets(model.tables, model.layout, side, options.spacing);
    for (int lane = 1; lane <= kLanes; ++lane)
        if (model.tables.blocksInUse(side, lane) > 0)
            paintLane(model, frame, side, lane, offsets[lane], options, counters, canvas);
}

} // namespace voltaro
