#include "solver/meter_reading.h"

namespace voltaro {

namespace {

bool samePlace(const Marker& a, const Marker& b) {
    return a.left == b.left && a.top == b.top;
}

// The edges of the loop. Its current runs against the slot order: right to left along the top,
// up the right side, left to right along the bottom and down the left edge past the battery.
enum class Edge { Top, Right, Bottom, Left };

// Whether the red lead lies downstream of the black one along an edge, so that the current
// enters the meter by the black lead and reads negative.
bool redDownstream(Edge edge, const Marker& black, const Marker& red) {
    switch (edge) {
    case Edge::Top:
        return red.left < black.left;
    case Edge::Right:
        return red.top < black.top;
    case Edge::Bottom:
        return red.left > black.left;
    case Edge::Left:
        return red.top > black.top;
    }
    return false;
}

// The edge along which a corner's break marker lies from it.
Edge gapEdge(MarkerId corner) {
    switch (corner) {
    case MarkerId::cor2:
        return Edge::Top;
    case MarkerId::cor3:
        return Edge::Right;
    default: // cor1 and cor4, above and below the battery
        return Edge::Left;
    }
}

} // namespace

bool leadsAcrossBreak(const Marker& black, const Marker& red, const Marker& breakMarker,
                      const Marker& breakShape) {
    return (samePlace(red, breakMarker) && samePlace(black, breakShape)) ||
           (samePlace(black, breakMarker) && samePlace(red, breakShape));
}

void setBreakConducting(CircuitTables& tables, int breakSlot, bool atCorner, bool conducting) {
    const std::uint8_t open = conducting ? 0 : 1;
    if (atCorner) {
        tables.record(kCornerLinkSlot).openFlag = open;
        return;
    }
    const std::optional<SlotAddress> at = decodeSlot(breakSlot);
    if (!at)
        return;
    const int n = tables.elementsInUse(at->side, at->lane, at->block, at->branch);
    ElementRecord& end = tables.record(at->side, at->lane, at->block, at->branch, n + 1);
    end.switchFlag = 1;
    end.openFlag = open;
}

double cornerBreakCurrent(const SolverResults& results, MarkerId corner, const Marker& black,
                          const Marker& red) {
    const bool reversed = redDownstream(gapEdge(corner), black, red);
    return reversed ? -results.totalCurrent : results.totalCurrent;
}

double nodeCurrent(const CircuitTables& tables, int slot, const Marker& black, const Marker& red) {
    const std::optional<SlotAddress> at = decodeSlot(slot);
    if (!at)
        return kOpenSentinel;
    const int n = tables.elementsInUse(at->side, at->lane, at->block, at->branch);
    const int position = at->position > n ? n : at->position;
    if (position < 1)
        return kOpenSentinel;
    const double current =
        tables.record(at->side, at->lane, at->block, at->branch, position).current;
    bool reversed = false;
    if (at->side == kTopSide)
        reversed = redDownstream(Edge::Top, black, red);
    else if (at->side == kRightSide)
        reversed = redDownstream(Edge::Right, black, red);
    else if (at->side == kBottomSide)
        reversed = redDownstream(Edge::Bottom, black, red);
    return reversed ? -current : current;
}

} // namespace voltaro
