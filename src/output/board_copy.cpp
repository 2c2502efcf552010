#include "output/board_copy.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "view/canvas.h"
#include "view/point.h"

#include <algorithm>
#include <cstdlib>

namespace voltaro {

namespace {

// Without a board the copies are blank, as large as the board would be.
Picture copyFromBoard(Workbench& bench, int left, int top, int width, int height) {
    NullCanvas noBoard;
    Canvas& board = bench.canvas ? *bench.canvas : noBoard;
    return board.copyRect(left, top, width, height);
}

} // namespace

Picture wholeBoard(Workbench& bench) {
    const int width = bench.canvas ? bench.canvas->width() : kBoardWidth;
    const int height = bench.canvas ? bench.canvas->height() : kBoardHeight;
    return copyFromBoard(bench, 0, 0, width, height);
}

void Copy1Click(Workbench& bench, MenuId) {
    bench.platform->copyToClipboard(wholeBoard(bench));
}

void CopySelect1Click(Workbench& bench, MenuId) {
    MenuEntry& entry = bench.menu(MenuId::CopySelect1);
    entry.checked = !entry.checked;
}

void startCopySelection(Workbench& bench, int x, int y) {
    OutputState& out = bench.output;
    // A press beside the picture starts the frame at its edge, as a drag beyond it stops there.
    out.X0 = out.X1 = std::clamp(x, 0, kBoardWidth);
    out.Y0 = out.Y1 = std::clamp(y, 0, kBoardHeight);
    Widget& frame = bench.widget(WidgetId::copyshape);
    frame.left = kBoardOriginX + out.X0;
    frame.top = kBoardOriginY + out.Y0;
    frame.width = 0;
    frame.height = 0;
    frame.visible = bench.menu(MenuId::CopySelect1).checked;
}

void dragCopySelection(Workbench& bench, int x, int y) {
    if (!bench.ui.mouseHeld || !bench.menu(MenuId::CopySelect1).checked)
        return;
    OutputState& out = bench.output;
    // The mouse may leave the board while it is held; the frame stays on the picture.
    out.X1 = std::clamp(x, 0, kBoardWidth);
    out.Y1 = std::clamp(y, 0, kBoardHeight);
    Widget& frame = bench.widget(WidgetId::copyshape);
    frame.left = kBoardOriginX + std::min(out.X0, out.X1);
    frame.top = kBoardOriginY + std::min(out.Y0, out.Y1);
    frame.width = std::abs(out.X0 - out.X1);
    frame.height = std::abs(out.Y0 - out.Y1);
}

void finishCopySelection(Workbench& bench) {
    Widget& frame = bench.widget(WidgetId::copyshape);
    if (!frame.visible)
        return;
    bench.output.Image1 = copyFromBoard(bench, frame.left - kBoardOriginX,
                                        frame.top - kBoardOriginY, frame.width, frame.height);
    bench.platform->copyToClipboard(bench.output.Image1);
    frame.visible = false;
}

} // namespace voltaro
