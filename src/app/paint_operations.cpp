#include "bench/operations.h"
#include "bench/workbench.h"
#include "edit/meter_probes.h"
#include "view/board_paint.h"
#include "view/canvas.h"
#include "view/current_paths.h"
#include "view/geometry.h"

namespace voltaro {

namespace {

// The last step of every paint while the meter is on: the potentials under both leads again
// (voltage mode) or the current at the break (current mode), then the reading.
void refreshMeter(Workbench& bench) {
    const Menus& menus = bench.model.menus;
    if (menus.voltageMode()) {
        for (int lead = 1; lead <= 2; ++lead) {
            const int slot = bench.meter.leadSlot[lead];
            if (slot > 0)
                measureLeadPotential(bench, lead, slot);
        }
        meterbt(bench);
    } else if (menus.currentMode()) {
        // The current at the break: the reading, and the leads snapped later, go by this slot.
        bench.ui.currentSlot = bench.meter.breakSlot;
        meterbt(bench);
    }
}

// The current's dots start again from the last solve, over the markers where the paint put them;
// the paths that stay keep their dots. None while "Show C&urrent" is off.
void restartCurrentDots(Workbench& bench) {
    const Menus& menus = bench.model.menus;
    if (!menus.showCurrent()) {
        bench.flow.paths.clear();
        return;
    }
    restartFlow(bench.flow, currentPaths(bench.model, bench.results), menus.electronFlow());
}

} // namespace

void getsizebt(Workbench& bench) {
    sizeLanes(bench.model.tables, bench.model.markers, bench.model.layout);
    placeRbt(bench);
}

void resizebt(Workbench& bench) {
    placeCornersFromHandles(bench.model.markers);
}

void reanchorSides(Workbench& bench) {
    reanchorSideSquares(bench.model.markers, bench.model.layout);
}

void placeRbt(Workbench& bench) {
    getrtotalbt(bench);
    if (!bench.paintsBoard) {
        refreshMeter(bench);
        return;
    }
    // Without a board the paint still puts every marker in its place.
    NullCanvas noBoard;
    Canvas& board = bench.canvas ? *bench.canvas : noBoard;
    paintCircuit(bench.model, board);
    keepMeterOnItsPoints(bench);
    paintMeterWires(bench.model, bench.meter, board);
    refreshMeter(bench);
    restartCurrentDots(bench);
}

} // namespace voltaro
