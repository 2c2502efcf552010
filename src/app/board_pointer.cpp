#include "app/board_pointer.h"

#include "app/board_keys.h"
#include "app/dispatch.h"
#include "bench/workbench.h"
#include "view/marker_hit.h"
#include "view/point.h"

namespace voltaro {

namespace {

bool onPicture(int x, int y) {
    return x >= kBoardOriginX && y >= kBoardOriginY && x < kBoardOriginX + kBoardWidth &&
           y < kBoardOriginY + kBoardHeight;
}

using MarkerEvent = void (*)(Workbench&, MarkerRef, int, int);
using PictureEvent = void (*)(Workbench&, int, int);

// Delivers an event to a marker, relative to its top-left corner, or to the bare picture.
void deliver(Workbench& bench, const PointerTarget& target, int x, int y, MarkerEvent toMarker,
             PictureEvent toPicture) {
    if (target) {
        const Marker& m = bench.model.markers.at(*target);
        toMarker(bench, *target, x - m.left, y - m.top);
    } else {
        toPicture(bench, x - kBoardOriginX, y - kBoardOriginY);
    }
}

} // namespace

bool boardPress(Workbench& bench, int x, int y) {
    const PointerTarget target = markerAt(bench.model.markers, x, y);
    bench.ui.captured = {};
    if (!target && !onPicture(x, y))
        return false;
    bench.ui.captured = {true, target};
    if (target)
        focusByPointer(bench, *target);
    deliver(bench, target, x, y, markerMouseDown, circuitMouseDown);
    return true;
}

bool boardMove(Workbench& bench, int x, int y, bool buttonHeld) {
    PointerCapture& captured = bench.ui.captured;
    if (!buttonHeld)
        captured = {};
    const PointerTarget target =
        captured.held ? captured.target : markerAt(bench.model.markers, x, y);
    if (!target && !captured.held && !onPicture(x, y))
        return false;
    deliver(bench, target, x, y, markerMouseMove, circuitMouseMove);
    return true;
}

bool boardRelease(Workbench& bench, int x, int y) {
    if (!bench.ui.captured.held)
        return false;
    const PointerTarget target = bench.ui.captured.target;
    bench.ui.captured = {};
    deliver(bench, target, x, y, markerMouseUp, circuitMouseUp);
    return true;
}

MarkerCursor boardCursorAt(const Workbench& bench, int x, int y) {
    const PointerTarget target = markerAt(bench.model.markers, x, y);
    return target ? bench.model.markers.at(*target).cursor : MarkerCursor::Arrow;
}

} // namespace voltaro
