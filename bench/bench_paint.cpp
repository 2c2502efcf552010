#include "bench/operations.h"
#include "bench/workbench.h"
#include "qt/board_canvas.h"
#include "qt/qt_canvas.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One full paint onto `canvas`, the solve included, as every change ends with.
void paintOn(Canvas& canvas, const QImage& picture, benchmark::State& state,
             const CircuitTables& tables, bool labels) {
    Workbench bench;
    bench.canvas = &canvas;
    startUp(bench);
    bench.model.tables = tables;
    bench.menu(MenuId::ShowResistance1).checked = labels;
    bench.menu(MenuId::Labelloads1).checked = labels;
    getsizebt(bench);
    for (auto _ : state) {
        placeRbt(bench);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The same onto the board picture of 770 x 528 pixels.
void paintCircuit(benchmark::State& state, const CircuitTables& tables, bool labels) {
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QtCanvas canvas(picture);
    paintOn(canvas, picture, state, tables, labels);
}

CircuitTables fullestBulbs() {
    CircuitTables tables = test::fullestTables();
    for (ElementRecord& r : tables.elements)
        if (r.switchFlag == 0)
            r = test::bulb(ElementKind::Bulb1);
    return tables;
}

void BM_PaintDefaultCircuit(benchmark::State& state) {
    paintCircuit(state, test::defaultTables(), false);
}

// Sides 1, 2 and 4 each with 3 lanes x 3 blocks x 3 branches x 3 resistors, every label
// shown. Target: < 2 ms.
void BM_PaintFullestCircuit(benchmark::State& state) {
    paintCircuit(state, test::fullestTables(), true);
}

// The fullest circuit of bulbs, lit, with their rays.
void BM_PaintFullestBulbs(benchmark::State& state) {
    paintCircuit(state, fullestBulbs(), false);
}

// The same as the window paints it at a view scale of the argument in percent, on a screen of
// device pixel ratio 1: the board picture and, above 100 %, the scaled picture for the screen.
// Targets: < 1 ms at 100 %, < 4 ms at 200 %.
void BM_PaintFullestBulbsZoomed(benchmark::State& state) {
    const double factor = static_cast<double>(state.range(0)) / 100.0;
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    BoardCanvas canvas(picture, [factor] { return factor; });
    paintOn(canvas, picture, state, fullestBulbs(), false);
}

} // namespace

BENCHMARK(BM_PaintDefaultCircuit);
BENCHMARK(BM_PaintFullestCircuit);
BENCHMARK(BM_PaintFullestBulbs);
BENCHMARK(BM_PaintFullestBulbsZoomed)->Arg(100)->Arg(200);
