#include "app/dispatch.h"
#include "app/step_recorder.h"
#include "bench/workbench.h"
#include "edit/source_config.h"
#include "lessons/step_arrows.h"
#include "output/board_copy.h"

namespace voltaro {

// The bare board: a press holds the mouse until its release; a move while it is held drags the
// variable supply's needle unless "C&opy Select" takes the drag for its selection frame. Every
// move first takes the hover off the step arrows. Points beyond the pointer's reach are held
// at its edge.

void circuitMouseDown(Workbench& bench, int x, int y) {
    x = withinPointerReach(x, 0);
    y = withinPointerReach(y, 0);
    startDrag(bench, std::nullopt);
    bench.ui.mouseHeld = true;
    startCopySelection(bench, x, y);
}

void circuitMouseMove(Workbench& bench, int x, int y) {
    x = withinPointerReach(x, 0);
    y = withinPointerReach(y, 0);
    leaveStepArrows(bench);
    if (!bench.ui.mouseHeld)
        return;
    if (bench.menu(MenuId::CopySelect1).checked)
        dragCopySelection(bench, x, y);
    else if (bench.model.menus.sourceKind() == SourceKind::Variable)
        dragNeedle(bench, x, y);
}

void circuitMouseUp(Workbench& bench, int, int) {
    bench.ui.mouseHeld = false;
    finishCopySelection(bench);
    finishDrag(bench);
}

} // namespace voltaro
