#include "bench/handle_clamps.h"

#include "view/point.h"

namespace voltaro {

void keepHandleOnBoard(Marker& handle) {
    if (handle.left > kBoardWidth)
        handle.left = kBoardWidth - 20;
    if (handle.top < 20)
        handle.top = 20;
    if (handle.top > kBoardHeight)
        handle.top = kBoardHeight - 20;
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
