#include "app/dispatch.h"
#include "bench_board.h"
#include "support/circuits.h"
#include "view/point.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One step of dragging the bottom handle over the fullest circuit, with every label shown and
// the voltmeter's leads on two nodes: the corners placed from the handles, the sides
// re-anchored, the whole board painted onto a picture and the meter refreshed. The handle
// swings 10 pixels back and forth so that every step moves the loop.
void BM_HandleDragStep(benchmark::State& state) {
    bench::BenchBoard board(test::fullestTables(), {MenuId::ShowResistance1, MenuId::Labelloads1});
    Workbench& bench = board.bench;
    triggerMenu(bench, MenuId::On1);
    bench.meter.leadSlot[1] = 1;
    bench.meter.leadSlot[2] = 3;
    const MarkerRef handle = MarkerRef::named(MarkerId::botsh);
    markerMouseDown(bench, handle, 4, 4);
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2 == 0) ? 10 : -10;
        markerMouseMove(bench, handle, dx - 4, -4);
        board.canvas.finish();
        benchmark::DoNotOptimize(board.picture.constBits());
    }
    markerMouseUp(bench, handle, 4, 4);
}

} // namespace

// Target: under 3 ms.
BENCHMARK(BM_HandleDragStep)->Unit(benchmark::kMicrosecond);
