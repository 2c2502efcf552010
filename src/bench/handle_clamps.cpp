#include "bench/handle_clamps.h"

#include "view/point.h"

namespace voltaro {

namespace {

constexpr int kEdgeMargin = 20; // how far inside the board a handle is kept, or put back

} // namespace

void keepHandleOnBoard(Marker& handle) {
    if (handle.left > kBoardWidth)
        handle.left = kBoardWidth - kEdgeMargin;
    if (handle.top < kEdgeMargin)
        handle.top = kEdgeMargin;
    if (handle.top > kBoardHeight)
        handle.top = kBoardHeight - kEdgeMargin;
    if (handle.left < kMinLeft)
        handle.left = kMinLeft;
}

void keepHandlesApart(Markers& markers, bool movingTop) {
    Marker& top = markers[MarkerId::topsh];
    Marker& bottom = markers[MarkerId::botsh];
    if (bottom.top - top.top >= kMinHandleGap)
        return;
    if (movingTop)
        top.top = bottom.top - kMinHandleGap;
    else
        bottom.top = top.top + kMinHandleGap;
}

} // namespace voltaro
