#include "view/current_paths.h"

#include "view/board_paint.h"
#include "view/geometry.h"
#include "view/side_paint.h"
#include "view/source_paint.h"

#include <cmath>

namespace voltaro {

namespace {

// How far a point lies across a side from its line through the origin.
int acrossDistance(const SideFrame& frame, Point p) {
    const Point v = p - frame.origin;
    return v.x * frame.across.x + v.y * frame.across.y;
}

class PathList {
public:
    // Keeps a stretch that carries the least shown current; a point that repeats the one before
    // it is left out.
    void add(PathPiece piece, const std::vector<Point>& points, double current) {
        if (!(std::abs(current) >= kLeastShownCurrent))
            return;
        CurrentPath path{piece, {}, current};
        for (Point p : points)
            if (path.points.empty() || path.points.back() != p)
                path.points.push_back(p);
        if (path.points.size() >= 2)
            m_paths.push_back(std::move(path));
    }

    std::vector<CurrentPath> take() { return std::move(m_paths); }

private:
    std::vector<CurrentPath> m_paths;
};

// Where the source's columns begin and end on the left edge: the top rail and 10 pixels below
// the lowest cell's long plate, where the bottom rail runs.
struct SourceEnds {
    int top;
    int bottom;
};

SourceEnds sourceEnds(const Model& model) {
    const int negativeTop = model.markers[MarkerId::battneg].top;
    const int series = model.menus.cellsInSeries();
    return {batteryTopRailY(negativeTop, series), batteryBottomRailY(negativeTop, series) + 10};
}

// Inside the source the current runs down from the negative top to the positive bottom, shared
// by the columns of cells; each piece of a rail carries the share of the columns beyond it.
void addSource(PathList& paths, const Model& model, double total) {
    const ShownSource source = shownSource(model.menus);
    if (source == ShownSource::Nothing)
        return;
    const SourceEnds ends = sourceEnds(model);
    const int columns = source == ShownSource::Cells ? model.menus.cellsInParallel() : 1;
    for (int column = 1; column <= columns; ++column) {
        const int x = cellColumnX(column);
        paths.add({PathKind::SourceColumn, 0, 0, 0, column}, {{x, ends.top}, {x, ends.bottom}},
                  total / columns);
        if (column == 1)
            continue;
        const int before = cellColumnX(column - 1);
        const double share = total * (columns - column + 1) / columns;
        paths.add({PathKind::SourceTopRail, 0, 0, 0, column}, {{before, ends.top}, {x, ends.top}},
                  share);
        paths.add({PathKind::SourceBottomRail, 0, 0, 0, column},
                  {{before, ends.bottom}, {x, ends.bottom}}, -share);
    }
}

// The loop wires as drawn, each meeting the source where its columns end.
void addLoopWires(PathList& paths, const Model& model, double total) {
    LoopWires wires = loopWires(model);
    const SourceEnds ends = sourceEnds(model);
    wires.batteryToTop.front().y = ends.top;
    wires.batteryToBottom.front().y = ends.bottom;
    paths.add({PathKind::LoopWire, 0, 0, 0, 1}, wires.batteryToTop, -total);
    paths.add({PathKind::LoopWire, 0, 0, 0, 2}, wires.batteryToBottom, total);
    paths.add({PathKind::LoopWire, 0, 0, 0, 3}, wires.topToRight, -total);
    paths.add({PathKind::LoopWire, 0, 0, 0, 4}, wires.rightToBottom, -total);
}

// A block's start and where its branches come back to its lane.
struct BlockEnds {
    Point start;
    Point rejoin;
};

// From the block's start across to the branch's line (the axis of its glyphs, through its slot
// markers), along it and back to the lane's line.
void addBranch(PathList& paths, const Model& model, const SideFrame& frame, const PathPiece& lead,
               int branch, const BlockEnds& block) {
    const int first = slotNumber(lead.side, lead.lane, lead.block, branch, 1);
    const int across = acrossDistance(frame, anchorOf(model.markers.slot(first))) -
                       acrossDistance(frame, block.start);
    const Point off = across * frame.across;
    paths.add({PathKind::Branch, lead.side, lead.lane, lead.block, branch},
              {block.start, block.start + off, block.rejoin + off, block.rejoin},
              -model.tables.record(first).current);
}

// A lane as the paint lays it out: the lead-in from the side's origin, then each block's
// branches and the stretch from where they rejoin to the next block, the last one with the
// lead-out back to the side line. The paint draws a side the other way round from the current.
void addLane(PathList& paths, const Model& model, const SolverResults& results,
             const SideFrame& frame, int side, int lane) {
    const LayoutState& layout = model.layout;
    const int blocks = model.tables.blocksInUse(side, lane);
    const int pitch =
        elementPitch(layout.sideLength[side], blocks, layout.lanes[side][lane].length);
    const double current = -results.laneCurrent[side][lane];
    const Point firstStart = anchorOf(model.markers.branch(side, lane, 1));
    const int offset = acrossDistance(frame, firstStart);
    paths.add({PathKind::LaneLead, side, lane, 0, 0},
              {frame.origin, frame.at(0, offset), firstStart}, current);
    for (int block = 1; block <= blocks; ++block) {
        const Point start = anchorOf(model.markers.branch(side, lane, block));
        const int longest = layout.blocks[side][lane][block].longest;
        const BlockEnds ends{start, start + branchRailLength(longest, pitch) * frame.along};
        const PathPiece lead{PathKind::LaneLead, side, lane, block, 0};
        for (int branch = 1; branch <= kBranches; ++branch)
            if (model.tables.elementsInUse(side, lane, block, branch) > 0)
                addBranch(paths, model, frame, lead, branch, ends);
        const Point end = start + blockLength(longest, pitch) * frame.along;
        std::vector<Point> leadPoints{ends.rejoin, end};
        if (block == blocks)
            leadPoints.push_back(laneReturnPoint(frame, side, end, offset));
        paths.add(lead, leadPoints, current);
    }
}

} // namespace

std::vector<CurrentPath> currentPaths(const Model& model, const SolverResults& results) {
    if (results.anySideOpen())
        return {};
    PathList paths;
    addSource(paths, model, results.totalCurrent);
    addLoopWires(paths, model, results.totalCurrent);
    for (int side : {kTopSide, kRightSide, kBottomSide}) {
        const SideFrame frame = sideFrame(model.markers, side);
        for (int lane = 1; lane <= kLanes; ++lane)
            if (model.tables.blocksInUse(side, lane) > 0)
                addLane(paths, model, results, frame, side, lane);
    }
    return paths.take();
}

} // namespace voltaro
