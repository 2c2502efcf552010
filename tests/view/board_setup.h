#pragma once

#include "bench/operations.h"
#include "bench/workbench.h"
#include "support/circuits.h"
#include "support/point_text.h"
#include "support/recording_canvas.h"

#include <QString>

namespace voltaro::test {

// A started workbench with the 45-pixel branch spacing that start-up settles on.
struct StartedBoard {
    Workbench bench;

    void start(Canvas& canvas) {
        bench.canvas = &canvas;
        startUp(bench);
        bench.menu(MenuId::reisitor1).checked = false;
    }

    // Puts the tables in, sizes the lanes and paints them afresh.
    void paint(const CircuitTables& tables) {
        bench.model.tables = tables;
        getsizebt(bench);
    }

    Point anchor(int slot) const {
        const Marker& m = bench.model.markers.slot(slot);
        return {m.anchorX(), m.anchorY()};
    }
};

// The board drawing on a recording canvas, which keeps only the last paint.
struct RecordedBoard : StartedBoard {
    RecordingCanvas canvas;

    RecordedBoard() { start(canvas); }

    void paint(const CircuitTables& tables) {
        canvas.clear();
        StartedBoard::paint(tables);
    }
};

} // namespace voltaro::test
