#include "bench_board.h"
#include "qt/board_canvas.h"
#include "support/circuits.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// Full paints onto the board's canvas, the solve included, as every change ends with.
void paintRepeatedly(benchmark::State& state, bench::BenchBoard& board) {
    for (auto _ : state) {
        placeRbt(board.bench);
        benchmark::DoNotOptimize(board.picture.constBits());
    }
}

// The same onto the board picture of 770 x 528 pixels.
void paintCircuit(benchmark::State& state, const CircuitTables& tables,
                  const std::vector<MenuId>& checked) {
    bench::BenchBoard board(tables, checked);
    paintRepeatedly(state, board);
}

CircuitTables fullestBulbs() {
    CircuitTables tables = test::fullestTables();
    for (ElementRecord& r : tables.elements)
        if (r.switchFlag == 0)
            r = test::bulb(ElementKind::Bulb1);
    return tables;
}

void BM_PaintDefaultCircuit(benchmark::State& state) {
    paintCircuit(state, test::defaultTables(), {});
}

// Sides 1, 2 and 4 each with 3 lanes x 3 blocks x 3 branches x 3 resistors, every label
// shown. Target: < 2 ms.
void BM_PaintFullestCircuit(benchmark::State& state) {
    paintCircuit(state, test::fullestTables(), {MenuId::ShowResistance1, MenuId::Labelloads1});
}

// The fullest circuit of bulbs, lit, with their rays.
void BM_PaintFullestBulbs(benchmark::State& state) {
    paintCircuit(state, fullestBulbs(), {});
}

// The same as the window paints it at a view scale of the argument in percent, on a screen of
// device pixel ratio 1: the board picture and, above 100 %, the scaled picture for the screen.
// Targets: < 1 ms at 100 %, < 4 ms at 200 %.
void BM_PaintFullestBulbsZoomed(benchmark::State& state) {
    const double factor = static_cast<double>(state.range(0)) / 100.0;
    bench::BenchBoard board(fullestBulbs(), {});
    board.canvas.finish();
    BoardCanvas canvas(board.picture, [factor] { return factor; });
    board.bench.canvas = &canvas;
    paintRepeatedly(state, board);
}

} // namespace

BENCHMARK(BM_PaintDefaultCircuit);
BENCHMARK(BM_PaintFullestCircuit);
BENCHMARK(BM_PaintFullestBulbs);
BENCHMARK(BM_PaintFullestBulbsZoomed)->Arg(100)->Arg(200);
