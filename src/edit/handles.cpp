#include "edit/handles.h"

#include "bench/handle_clamps.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/element_menu.h"
#include "edit/meter_mode.h"
#include "edit/popups.h"
#include "view/geometry.h"
#include "view/point.h"

#include <algorithm>

namespace voltaro {

namespace {

constexpr int kLowestCornerTop = 275; // `cor3` dragged higher stops here
// A meter handle dragged off the board's left or top edge comes back this far inside it, off
// the right or bottom edge this far.
constexpr int kNearEdgeReturn = 10;
constexpr int kFarEdgeReturn = 5;

bool isResizeHandle(MarkerRef ref) {
    return ref.is(MarkerId::topsh) || ref.is(MarkerId::botsh);
}

// The handle's top-left corner goes half its width beyond the pointer, then is kept inside the
// board.
void dragResizeHandle(Marker& handle, int x, int y) {
    handle.top += y + handle.width / 2;
    handle.left += x + handle.width / 2;
    keepHandleOnBoard(handle);
}

bool isMoveHandle(MarkerRef ref) {
    return ref.is(MarkerId::movesh) || ref.is(MarkerId::movesh2);
}

Widget& panelOf(Workbench& bench, MarkerRef moveHandle) {
    return bench.widget(moveHandle.is(MarkerId::movesh) ? WidgetId::meterpl : WidgetId::meterpl2);
}

// The handle where the whole panel hanging from its bottom-right pixel, and the leads' rest
// places above the panel, lie on the board picture.
void keepMeterOnBoard(Marker& handle, const Widget& panel, int hang) {
    handle.left =
        std::clamp(handle.left, kBoardOriginX, kBoardOriginX + kBoardWidth - panel.width - hang);
    handle.top = std::clamp(handle.top, kBoardOriginY + kLeadRestRise - hang,
                            kBoardOriginY + kBoardHeight - panel.height - hang);
}

} // namespace

void handleMouseDown(Workbench& bench, MarkerRef, int, int) {
    bench.ui.mouseHeld = true;
}

void handleMouseUp(Workbench& bench, MarkerRef, int, int) {
    bench.ui.mouseHeld = false;
}

void handleMouseMove(Workbench& bench, MarkerRef ref, int x, int y) {
    if (!bench.ui.mouseHeld || !isResizeHandle(ref))
        return;
    recordAnchorOffsets(bench.model.markers, bench.model.layout);
    const bool draggingTop = ref.is(MarkerId::topsh);
    Marker& dragged = bench.model.markers.at(ref);
    dragResizeHandle(dragged, x, y);
    keepHandlesApart(bench.model.markers, draggingTop);
    bench.marker(draggingTop ? MarkerId::botsh : MarkerId::topsh).left = dragged.left;
    resizebt(bench);
    reanchorSides(bench);
    placeRbt(bench);
}

void cor3MouseMove(Workbench& bench, MarkerRef ref, int x, int y) {
    if (!bench.ui.mouseHeld || !ref.is(MarkerId::cor3))
        return;
    Markers& m = bench.model.markers;
    Table1<int, kSides>& length = bench.model.layout.sideLength;
    const int oldP4Left = m[MarkerId::p4].left;
    const int oldCor3Left = m[MarkerId::cor3].left;
    // The top side keeps how far its end lies beyond `cor2`, as `recordAnchorOffsets` has it.
    const int topAnchorOffset = m[MarkerId::p1].left + length[kTopSide] - m[MarkerId::cor2].left;
    Marker& corner = m[MarkerId::cor3];
    corner.top += y + corner.width / 2;
    corner.left += x + corner.width / 2;
    if (corner.left < kMinLeft)
        corner.left = kMinLeft;
    if (corner.top < kLowestCornerTop)
        corner.top = kLowestCornerTop;
    m[MarkerId::cor2].left = corner.left;
    m[MarkerId::p2].left = corner.left;
    m[MarkerId::p4].left = oldP4Left + (corner.left - oldCor3Left);
    m[MarkerId::p4].top = corner.top;
    m[MarkerId::cor4].top = corner.top;
    setSideLengths(m, topAnchorOffset, length);
    centreBattery(m);
    placeRbt(bench);
}

void cornerMouseDown(Workbench& bench, MarkerRef ref, int, int) {
    const Marker& corner = bench.model.markers.at(ref);
    bench.ui.lastClicked = ref;
    bench.ui.currentSlot = corner.tag;
    setElementEntriesVisible(bench, false);
    requestPopupAt(bench, MenuId::secondpu, corner);
}

void moveshMouseDown(Workbench& bench, MarkerRef, int, int) {
    bench.ui.mouseHeld = true;
}

void moveshMouseMove(Workbench& bench, MarkerRef ref, int x, int y) {
    if (!bench.ui.mouseHeld || !isMoveHandle(ref))
        return;
    const Marker& size = bench.marker(MarkerId::movesh); // both handles go by this one's size
    Marker& handle = bench.model.markers.at(ref);
    handle.top += y - size.height / 2;
    handle.left += x - size.width / 2;
    if (handle.top < 0)
        handle.top = kNearEdgeReturn;
    if (handle.top > kBoardHeight)
        handle.top = kBoardHeight - kFarEdgeReturn;
    if (handle.left < 0)
        handle.left = kNearEdgeReturn;
    if (handle.left > kBoardWidth)
        handle.left = kBoardWidth - kFarEdgeReturn;
    keepMeterOnBoard(handle, panelOf(bench, ref), size.width - 1);
}

void moveshMouseUp(Workbench& bench, MarkerRef ref, int, int) {
    bench.ui.mouseHeld = false;
    if (!isMoveHandle(ref))
        return;
    const Marker& size = bench.marker(MarkerId::movesh);
    const Marker& handle = bench.model.markers.at(ref);
    Widget& panel = panelOf(bench, ref);
    panel.top = handle.top + size.height - 1;
    panel.left = handle.left + size.width - 1;
    placeRbt(bench);
}

const std::vector<MarkerBinding>& handleMarkerBindings() {
    auto named = [](MarkerId id) { return static_cast<int>(id); };
    static const std::vector<MarkerBinding> bindings = {
        {MarkerFamily::Named, named(MarkerId::topsh), handleMouseDown, handleMouseMove,
         handleMouseUp},
        {MarkerFamily::Named, named(MarkerId::botsh), handleMouseDown, handleMouseMove,
         handleMouseUp},
        {MarkerFamily::Named, named(MarkerId::cor1), cornerMouseDown, nullptr, nullptr},
        {MarkerFamily::Named, named(MarkerId::cor2), cornerMouseDown, nullptr, nullptr},
        {MarkerFamily::Named, named(MarkerId::cor3), cornerMouseDown, cor3MouseMove, nullptr},
        {MarkerFamily::Named, named(MarkerId::cor4), cornerMouseDown, nullptr, nullptr},
        {MarkerFamily::Named, named(MarkerId::movesh), moveshMouseDown, moveshMouseMove,
         moveshMouseUp},
        {MarkerFamily::Named, named(MarkerId::movesh2), moveshMouseDown, moveshMouseMove,
         moveshMouseUp},
    };
    return bindings;
}

} // namespace voltaro
