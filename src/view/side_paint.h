#pragma once

#include "model/model.h"
#include "view/canvas.h"
#include "view/element_labels.h"

#include <array>

namespace voltaro {

// Where a drawn side lies: its origin (the anchor of its side square), the direction along it
// and the direction across it (positive: down on the top and bottom side, right on the right).
struct SideFrame {
    Point origin;
    Point along;
    Point across;

    Point at(int alongDistance, int acrossDistance) const {
        return origin + alongDistance * along + acrossDistance * across;
    }
};

SideFrame sideFrame(const Markers& markers, int side);

// Across-offset of every lane in use of a side, [lane]; lanes spread in number order from the
// negative side, neighbours keeping `spacing` between their outermost branches.
std::array<int, kLanes + 1> laneOffsets(const CircuitTables& tables, const LayoutState& layout,
                                        int side, int spacing);

// Element pitch of a lane: what its side leaves after the block margins, per element place.
// 0 for a lane without element places.
int elementPitch(int sideLength, int blocks, int laneLength);

// Along a block from its start, for its longest branch and its lane's pitch: where its branches
// come back to the lane's line, and where it ends (the next block's start).
int branchRailLength(int longest, int pitch);
int blockLength(int longest, int pitch);

// Where a lane's lead-out leaves the side line to meet the lane's end `laneEnd`: beside it on
// the side line, 10 pixels further along on the right side.
Point laneReturnPoint(const SideFrame& frame, int side, Point laneEnd, int offset);

struct SidePaintOptions {
    int spacing = 45;     // between neighbouring branches, and between lanes
    bool meterOff = true; // branch markers are shown only while the meter is off
    bool showResistance = false;
    bool labelLoads = false;
    bool brightnessHidden = false;
};

// Draws every lane, block and branch of a side with its rails, labels and glyphs, and moves
// the side's branch markers and the slot markers of its branches in use to their places.
void paintSide(Model& model, int side, const SidePaintOptions& options, LabelCounters& counters,
               Canvas& canvas);

} // namespace voltaro
