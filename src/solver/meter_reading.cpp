#include "solver/meter_reading.h"

namespace voltaro {

namespace {

bool samePlace(const Marker& a, const Marker& b) {
    return a.left == b.left && a.top == b.top;
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

double cornerBreakCurrent(const SolverResults& results, const Marker& black, const Marker& red,
                          const Marker& breakMarker, int boardHeight) {
    const bool lowerHalf = breakMarker.top >= boardHeight / 2;
    const bool reversed = lowerHalf ? red.left > black.left : red.left < black.left;
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
        reversed = red.left < black.left;
    else if (at->side == kRightSide)
        reversed = red.top < black.top;
    else if (at->side == kBottomSide)
        reversed = red.left > black.left;
    return reversed ? -current : current;
}

} // namespace voltaro
