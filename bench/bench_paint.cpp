#include "bench/operations.h"
#include "bench/workbench.h"
#include "qt/qt_canvas.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One full paint onto the board picture, the solve included, as every change ends with.
void paintCircuit(benchmark::State& state, const CircuitTables& tables, bool labels) {
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QtCanvas canvas(picture);
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
    CircuitTables tables = test::fullestTables();
    for (ElementRecord& r : tables.elements)
        if (r.switchFlag == 0)
            r = test::bulb(ElementKind::Bulb1);
    paintCircuit(state, tables, false);
}

} // namespace

BENCHMARK(BM_PaintDefaultCircuit);
BENCHMARK(BM_PaintFullestCircuit);
BENCHMARK(BM_PaintFullestBulbs);
