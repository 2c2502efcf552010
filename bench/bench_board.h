#pragma once

#include "bench/operations.h"
#include "bench/workbench.h"
#include "qt/qt_canvas.h"

#include <QImage>

#include <vector>

namespace voltaro::bench {

// A started workbench that paints onto a real board picture: `tables` put in with the `checked`
// Options entries ticked, the lanes sized and the board painted once.
struct BenchBoard {
    QImage picture{kBoardWidth, kBoardHeight, QImage::Format_RGB32};
    QtCanvas canvas{picture};
    Workbench bench;

    BenchBoard(const CircuitTables& tables, const std::vector<MenuId>& checked) {
        bench.canvas = &canvas;
        startUp(bench);
        bench.model.tables = tables;
        for (MenuId entry : checked)
            bench.menu(entry).checked = true;
        getsizebt(bench);
    }
};

} // namespace voltaro::bench
